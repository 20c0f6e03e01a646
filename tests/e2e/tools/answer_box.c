/* Waits for a message box with a given caption, prints its text and closes it
 * with OK, or with the button named.
 *
 *   answer_box.exe CAPTION TIMEOUT_MS [ok|cancel|yes|no]
 *
 * Prints three lines, in UTF-8: the box's text (its static control, id 0xFFFF), the
 * caption of the window that owns the box (empty when it has no owner), and
 * "minimized" or "not minimized" for that owner. A hidden owner whose own
 * owner is minimized (an application window standing for the program on the
 * task bar) counts as minimized.
 *
 * Exit status: 0 when a box was found and closed, 1 when none appeared in
 * time, 2 on wrong usage or when the box would not close. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum { kPollMs = 50, kTextId = 0xFFFF, kMaxText = 4096 };

static HWND FindBox(const char* caption) {
  /* A message box is a dialog window; the program's main window may carry the
   * same caption, so the class tells them apart. */
  HWND box = FindWindowA("#32770", caption);
  return (box != NULL && IsWindowVisible(box)) ? box : NULL;
}

static BOOL CALLBACK FindTextControl(HWND child, LPARAM result) {
  if ((GetDlgCtrlID(child) & 0xFFFF) == kTextId) {
    *(HWND*)result = child;
    return FALSE;
  }
  return TRUE;
}

static int IsMinimized(HWND window) {
  if (window == NULL) return 0;
  if (IsIconic(window)) return 1;
  HWND owner = GetWindow(window, GW_OWNER);
  return !IsWindowVisible(window) && owner != NULL && IsIconic(owner);
}

static int WaitGone(HWND box, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (IsWindow(box)) {
    if (GetTickCount() - start > timeoutMs) return 0;
    Sleep(kPollMs);
  }
  return 1;
}

static int ButtonId(const char* name) {
  if (strcmp(name, "ok") == 0) return IDOK;
  if (strcmp(name, "cancel") == 0) return IDCANCEL;
  if (strcmp(name, "yes") == 0) return IDYES;
  if (strcmp(name, "no") == 0) return IDNO;
  return 0;
}

int main(int argc, char** argv) {
  const int buttonId = argc == 4 ? ButtonId(argv[3]) : IDOK;
  if ((argc != 3 && argc != 4) || buttonId == 0) {
    fprintf(stderr, "usage: answer_box CAPTION TIMEOUT_MS [ok|cancel|yes|no]\n");
    return 2;
  }
  const char* caption = argv[1];
  DWORD timeoutMs = (DWORD)strtoul(argv[2], NULL, 10);
  DWORD start = GetTickCount();
  HWND box;
  while ((box = FindBox(caption)) == NULL) {
    if (GetTickCount() - start > timeoutMs) {
      fprintf(stderr, "answer_box: no box \"%s\" within %lu ms\n", caption,
              (unsigned long)timeoutMs);
      return 1;
    }
    Sleep(kPollMs);
  }

  HWND text = NULL;
  EnumChildWindows(box, FindTextControl, (LPARAM)&text);
  WCHAR wide[kMaxText] = L"";
  if (text != NULL) GetWindowTextW(text, wide, kMaxText);
  char buffer[kMaxText] = "";
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, buffer, kMaxText, NULL, NULL);
  char ownerCaption[kMaxText] = "";
  HWND owner = GetWindow(box, GW_OWNER);
  if (owner != NULL) GetWindowTextA(owner, ownerCaption, (int)sizeof ownerCaption);
  const char* ownerState = IsMinimized(owner) ? "minimized" : "not minimized";
  printf("%s\n%s\n%s\n", buffer, ownerCaption, ownerState);
  fflush(stdout);

  HWND button = GetDlgItem(box, buttonId);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), (LPARAM)button);
  if (!WaitGone(box, timeoutMs)) {
    fprintf(stderr, "answer_box: the box did not close\n");
    return 2;
  }
  return 0;
}
