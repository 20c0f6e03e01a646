/* Looks at and works the program's windows from outside, as a test driver.
 * All processes of the test prefix share one virtual desktop, so the
 * program's windows can be found from here.
 *
 *   window_driver.exe tree CLASS CAPTION TIMEOUT_MS
 *       Waits for a visible top-level window of that class and caption and
 *       prints it and every window inside it, one line each:
 *         window HWND PARENT CLASS ID ENABLED VISIBLE L T R B CL CT CR CB TEXT
 *       L T R B is the window rectangle on the screen, CL CT CR CB the
 *       client rectangle on the screen (for the top-level window: its client
 *       area, so CR - CL and CB - CT are the client size), TEXT the window
 *       text, read as wide text and printed in UTF-8,
 *       with backslash, tab and line ends written as \\ \t \r \n. After a
 *       combo box's line come the entries of its list, one line each:
 *         item HWND INDEX TEXT
 *       While the program is busy and doesn't answer, the texts are those the
 *       system keeps for its windows.
 *   window_driver.exe choose-file CAPTION TIMEOUT_MS PATH
 *       Waits for the open dialog with that caption, puts PATH into its file
 *       name box (control 1148) and presses OK; waits for the dialog to go.
 *       PATH is taken whole from the wide command line, so that it may hold
 *       characters the ANSI code page can't.
 *   window_driver.exe type-name CAPTION TIMEOUT_MS PATH
 *       As choose-file, but does not wait for the dialog to go.
 *   window_driver.exe wait CLASS CAPTION TIMEOUT_MS
 *       Waits for a visible top-level window; prints its handle.
 *   window_driver.exe wait-gone CLASS CAPTION TIMEOUT_MS
 *       Waits until no visible top-level window of that kind is left.
 *   window_driver.exe close CLASS CAPTION
 *       Sends WM_CLOSE to such a window.
 *   window_driver.exe restore CLASS CAPTION
 *       Restores such a window from the task bar, as a click on its button does.
 *   window_driver.exe press CLASS CAPTION BUTTON_TEXT TIMEOUT_MS
 *       Clicks the button with that text inside such a window (BM_CLICK).
 *   window_driver.exe probe CLASS CAPTION BUTTON_TEXT TIMEOUT_MS PREFIX
 *       Times how promptly such a window answers during a run: waits for the
 *       button with that text inside it to be disabled (the run has begun),
 *       then, until it is enabled again, sends the window WM_NULL every
 *       10 ms with SendMessageTimeoutA and times each answer. Between the
 *       probes it looks for a child window whose text begins with PREFIX,
 *       reading the texts from the system so that the program is not asked
 *       (printed in UTF-8).
 *       Prints
 *         probes N
 *         longest-wait-us W
 *         longest-at-ms M        (since the run began)
 *         slow-answers S         (answers that took over 10 ms)
 *         seen-text T            (the first such text, if any)
 *       Fails when the run did not begin and end within TIMEOUT_MS.
 *   window_driver.exe wait-enabled CLASS CAPTION BUTTON_TEXT TIMEOUT_MS
 *       Waits until the button with that text inside such a window is
 *       enabled (no run is in progress), without asking the program.
 *   window_driver.exe close-in-run CLASS CAPTION BUTTON_TEXT TIMEOUT_MS
 *       Sends such a window WM_CLOSE as soon as the button with that text
 *       inside it is disabled (a run has begun), as a user who closes the
 *       window during a run does.
 *   probe and close-in-run print "watching" once they have found the button,
 *   so that a run started after that line cannot pass unseen.
 *   window_driver.exe end-session CLASS CAPTION
 *       Sends such a window WM_QUERYENDSESSION for a log-off and prints
 *       "query N" with its answer, then WM_ENDSESSION saying the session
 *       ends, and prints "ended" once the window has handled it.
 *   window_driver.exe launch SHOW TIMEOUT_MS COMMAND_LINE
 *       Starts COMMAND_LINE (one argument, taken whole from the wide command
 *       line) as a scheduler may: STARTF_USESHOWWINDOW with the show command
 *       SHOW (0 is SW_HIDE). Waits for it to end and prints "exit N"; fails
 *       when it does not end within TIMEOUT_MS.
 *   window_driver.exe set-text CLASS CAPTION INDEX TEXT
 *       Gives the INDEX-th (from 0, in window order) edit control inside such
 *       a window the text TEXT (WM_SETTEXT, so that it raises its change).
 *   window_driver.exe accessible CLASS CAPTION TIMEOUT_MS
 *       Waits for such a window and reads it and every window inside it as a
 *       screen reader does, through the client object that Active
 *       Accessibility hands out from the program's process, one line each:
 *         acc HWND ROLE STATE NAME VALUE DESCRIPTION SHORTCUT
 *       ROLE and STATE as numbers, -1 when unreadable; the texts escaped as
 *       for tree, empty when unreadable.
 *   window_driver.exe keys|tab-walk CLASS CAPTION COMBO...
 *       Brings such a window to the front (none when CLASS and CAPTION are
 *       both empty: the keys go to whatever is in front) and types each COMBO
 *       as the keyboard does: hexadecimal virtual keys joined by "+" ("12+20"
 *       is Alt+Space), pressed in order and let go in reverse, 150 ms apart.
 *       tab-walk prints "focus HWND", the window with the keyboard focus in
 *       the window's thread, before the first COMBO and after each, once the
 *       focus has moved (or 2 s have passed).
 *
 * An empty CLASS or CAPTION matches any. Exit status 0 on success, 1 when
 * the window did not come (or go) in time, 2 on wrong usage. */
#define COBJMACROS
#include <windows.h>

#include <oleacc.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

enum {
  kPollMs = 50,
  kFileNameBox = 1148,
  kMaxText = 4096,
  kAnswerMs = 2000,
  kProbeIntervalMs = 10,
  kSlowAnswerUs = 10000,
  kKeyGapMs = 150,
  kFocusWaitMs = 2000,
  kMaxCombo = 4
};

static const char kWatching[] = "watching";

struct Match {
  const char* className;
  const char* caption;
  HWND found;
  /* Hidden windows count too, as the system's session messages reach them. */
  BOOL hiddenToo;
};

static BOOL CALLBACK MatchTopLevel(HWND window, LPARAM parameter) {
  struct Match* match = (struct Match*)parameter;
  char className[256] = "";
  char caption[kMaxText] = "";
  if (!match->hiddenToo && !IsWindowVisible(window)) return TRUE;
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, caption, sizeof caption);
  if (match->className[0] != '\0' && strcmp(className, match->className) != 0) return TRUE;
  if (match->caption[0] != '\0' && strcmp(caption, match->caption) != 0) return TRUE;
  match->found = window;
  return FALSE;
}

static HWND FindTopLevel(const char* className, const char* caption) {
  struct Match match = {className, caption, NULL, FALSE};
  EnumWindows(MatchTopLevel, (LPARAM)&match);
  return match.found;
}

static HWND FindTopLevelHiddenToo(const char* className, const char* caption) {
  struct Match match = {className, caption, NULL, TRUE};
  EnumWindows(MatchTopLevel, (LPARAM)&match);
  return match.found;
}

static HWND WaitTopLevel(const char* className, const char* caption, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  HWND window;
  while ((window = FindTopLevel(className, caption)) == NULL) {
    if (GetTickCount() - start > timeoutMs) {
      fprintf(stderr, "window_driver: no window \"%s\" of class \"%s\" within %lu ms\n", caption,
              className, (unsigned long)timeoutMs);
      return NULL;
    }
    Sleep(kPollMs);
  }
  return window;
}

/* The wide text in UTF-8, cut to size bytes. */
static void Utf8Of(const WCHAR* wide, char* text, int size) {
  if (WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, size, NULL, NULL) == 0) text[0] = '\0';
}

static void PrintEscaped(const char* text) {
  for (; *text != '\0'; ++text) {
    switch (*text) {
      case '\\':
        fputs("\\\\", stdout);
        break;
      case '\t':
        fputs("\\t", stdout);
        break;
      case '\r':
        fputs("\\r", stdout);
        break;
      case '\n':
        fputs("\\n", stdout);
        break;
      default:
        putchar(*text);
    }
  }
}

/* Set once a window didn't answer: its thread is busy (a write to a stalled
 * port, say), so the rest of the tree is read without asking it. */
static BOOL g_unanswered = FALSE;

static void ReadText(HWND window, char* text, int size) {
  /* WM_GETTEXT, so that the text of controls in other processes is read too;
   * a window that doesn't answer gives the text the system keeps for it. */
  WCHAR wide[kMaxText] = L"";
  if (g_unanswered || !SendMessageTimeoutW(window, WM_GETTEXT, kMaxText, (LPARAM)wide,
                                           SMTO_ABORTIFHUNG, kAnswerMs, NULL)) {
    g_unanswered = TRUE;
    InternalGetWindowText(window, wide, kMaxText);
  }
  Utf8Of(wide, text, size);
}

/* The entries of a combo box's list, as the program put them there. */
static void PrintComboItems(HWND combo) {
  DWORD_PTR count = 0;
  if (g_unanswered ||
      !SendMessageTimeoutW(combo, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &count)) {
    return;
  }
  for (int index = 0; index < (int)count; ++index) {
    WCHAR wide[kMaxText] = L"";
    DWORD_PTR length = 0;
    SendMessageTimeoutW(combo, CB_GETLBTEXTLEN, (WPARAM)index, 0, SMTO_ABORTIFHUNG, kAnswerMs,
                        &length);
    if (length >= kMaxText) continue;
    SendMessageTimeoutW(combo, CB_GETLBTEXT, (WPARAM)index, (LPARAM)wide, SMTO_ABORTIFHUNG,
                        kAnswerMs, NULL);
    char text[kMaxText] = "";
    Utf8Of(wide, text, sizeof text);
    printf("item\t%lu\t%d\t", (unsigned long)(ULONG_PTR)combo, index);
    PrintEscaped(text);
    putchar('\n');
  }
}

static void PrintWindowLine(HWND window) {
  char className[256] = "";
  char text[kMaxText] = "";
  RECT outer;
  RECT client;
  POINT origin = {0, 0};
  GetClassNameA(window, className, sizeof className);
  ReadText(window, text, sizeof text);
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  ClientToScreen(window, &origin);
  printf("window\t%lu\t%lu\t%s\t%d\t%d\t%d\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t%ld\t",
         (unsigned long)(ULONG_PTR)window, (unsigned long)(ULONG_PTR)GetAncestor(window, GA_PARENT),
         className, GetDlgCtrlID(window), IsWindowEnabled(window) ? 1 : 0,
         IsWindowVisible(window) ? 1 : 0, outer.left, outer.top, outer.right, outer.bottom,
         origin.x, origin.y, origin.x + client.right, origin.y + client.bottom);
  PrintEscaped(text);
  putchar('\n');
  if (strcmp(className, "ComboBox") == 0) PrintComboItems(window);
}

static BOOL CALLBACK PrintTreeLine(HWND window, LPARAM unused) {
  (void)unused;
  PrintWindowLine(window);
  return TRUE;
}

/* Waits for such a window and prints a line of it and of every window inside. */
static int PrintAll(const char* className, const char* caption, DWORD timeoutMs,
                    WNDENUMPROC print) {
  HWND window = WaitTopLevel(className, caption, timeoutMs);
  if (window == NULL) return 1;
  print(window, 0);
  EnumChildWindows(window, print, 0);
  return 0;
}

static int Tree(const char* className, const char* caption, DWORD timeoutMs) {
  return PrintAll(className, caption, timeoutMs, PrintTreeLine);
}

static int WaitGone(const char* className, const char* caption, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (FindTopLevel(className, caption) != NULL) {
    if (GetTickCount() - start > timeoutMs) {
      fprintf(stderr, "window_driver: window \"%s\" still there after %lu ms\n", caption,
              (unsigned long)timeoutMs);
      return 1;
    }
    Sleep(kPollMs);
  }
  return 0;
}

/* The argument at index as the wide command line holds it; NULL if none. */
static LPWSTR WideArgument(int index) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  return arguments != NULL && index < count ? arguments[index] : NULL;
}

static HWND TypeName(const char* caption, DWORD timeoutMs, LPCWSTR path) {
  HWND dialog = WaitTopLevel("#32770", caption, timeoutMs);
  if (dialog == NULL) return NULL;
  HWND box = GetDlgItem(dialog, kFileNameBox);
  if (box == NULL || path == NULL) {
    fprintf(stderr, "window_driver: the dialog has no file name box\n");
    return NULL;
  }
  SendMessageW(box, WM_SETTEXT, 0, (LPARAM)path);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)GetDlgItem(dialog, IDOK));
  return dialog;
}

static int ChooseFile(const char* caption, DWORD timeoutMs, LPCWSTR path) {
  HWND dialog = TypeName(caption, timeoutMs, path);
  if (dialog == NULL) return 1;
  DWORD start = GetTickCount();
  while (IsWindow(dialog) && IsWindowVisible(dialog)) {
    if (GetTickCount() - start > timeoutMs) {
      fprintf(stderr, "window_driver: the open dialog did not close\n");
      return 1;
    }
    Sleep(kPollMs);
  }
  return 0;
}

struct ChildSearch {
  const char* className;
  const char* text;
  int index;
  HWND found;
};

static BOOL CALLBACK MatchChild(HWND child, LPARAM parameter) {
  struct ChildSearch* search = (struct ChildSearch*)parameter;
  char className[256] = "";
  char text[kMaxText] = "";
  GetClassNameA(child, className, sizeof className);
  if (strcmp(className, search->className) != 0) return TRUE;
  if (search->text != NULL) {
    SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 2000, NULL);
    if (strcmp(text, search->text) != 0) return TRUE;
  } else if (search->index-- > 0) {
    return TRUE;
  }
  search->found = child;
  return FALSE;
}

static HWND FindChild(HWND window, const char* className, const char* text, int index) {
  struct ChildSearch search = {className, text, index, NULL};
  EnumChildWindows(window, MatchChild, (LPARAM)&search);
  return search.found;
}

/* The button with that text inside the top-level window, once the window is
 * there; NULL (and a word why) when there is none. */
static HWND WaitButton(const char* className, const char* caption, const char* buttonText,
                       DWORD timeoutMs, HWND* window) {
  *window = WaitTopLevel(className, caption, timeoutMs);
  if (*window == NULL) return NULL;
  HWND button = FindChild(*window, "Button", buttonText, 0);
  if (button == NULL) fprintf(stderr, "window_driver: no button \"%s\"\n", buttonText);
  return button;
}

static int Press(const char* className, const char* caption, const char* buttonText,
                 DWORD timeoutMs) {
  HWND window = NULL;
  HWND button = WaitButton(className, caption, buttonText, timeoutMs, &window);
  if (button == NULL) return 1;
  PostMessageA(button, BM_CLICK, 0, 0);
  return 0;
}

static double MicrosecondsBetween(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return (double)(to.QuadPart - from.QuadPart) * 1e6 / (double)frequency.QuadPart;
}

/* Waits until the button inside the window is disabled: a run has begun.
 * The enabled state is read from the system, without asking the program. */
static HWND WaitRunBegun(const char* className, const char* caption, const char* buttonText,
                         DWORD start, DWORD timeoutMs, HWND* button) {
  HWND window = NULL;
  *button = WaitButton(className, caption, buttonText, timeoutMs, &window);
  if (*button == NULL) return NULL;
  /* The caller may start the run now: it cannot pass unseen. */
  printf("%s\n", kWatching);
  fflush(stdout);
  while (IsWindowEnabled(*button)) {
    if (GetTickCount() - start > timeoutMs) {
      fprintf(stderr, "window_driver: no run began\n");
      return NULL;
    }
    Sleep(1);
  }
  return window;
}

static int WaitEnabled(const char* className, const char* caption, const char* buttonText,
                       DWORD timeoutMs) {
  DWORD start = GetTickCount();
  HWND window = NULL;
  HWND button = WaitButton(className, caption, buttonText, timeoutMs, &window);
  if (button == NULL) return 1;
  while (!IsWindowEnabled(button)) {
    if (GetTickCount() - start > timeoutMs) {
      fprintf(stderr, "window_driver: the button stays disabled\n");
      return 1;
    }
    Sleep(kPollMs);
  }
  return 0;
}

static int CloseInRun(const char* className, const char* caption, const char* buttonText,
                      DWORD timeoutMs) {
  HWND button = NULL;
  HWND window = WaitRunBegun(className, caption, buttonText, GetTickCount(), timeoutMs, &button);
  if (window == NULL) return 1;
  PostMessageA(window, WM_CLOSE, 0, 0);
  return 0;
}

struct TextWatch {
  const char* prefix;
  char seen[kMaxText];
};

static BOOL CALLBACK FindPrefixedText(HWND child, LPARAM parameter) {
  struct TextWatch* watch = (struct TextWatch*)parameter;
  WCHAR wide[kMaxText] = L"";
  InternalGetWindowText(child, wide, kMaxText);
  char text[kMaxText] = "";
  Utf8Of(wide, text, kMaxText);
  if (strncmp(text, watch->prefix, strlen(watch->prefix)) != 0) return TRUE;
  strcpy(watch->seen, text);
  return FALSE;
}

/* Probes until the run ends, or for forMs after the probing began when that
 * is not 0. */
static int Probe(const char* className, const char* caption, const char* buttonText,
                 DWORD timeoutMs, const char* prefix, DWORD forMs) {
  HWND button = NULL;
  HWND window = WaitRunBegun(className, caption, buttonText, GetTickCount(), timeoutMs, &button);
  if (window == NULL) return 1;
  const DWORD begun = GetTickCount();
  struct TextWatch watch = {prefix, ""};
  long probes = 0;
  long slow = 0;
  double longest = 0;
  DWORD longestAt = 0;
  while (!IsWindowEnabled(button)) {
    if (forMs != 0 && GetTickCount() - begun >= forMs) break;
    if (!IsWindow(window) || GetTickCount() - begun > timeoutMs) {
      fprintf(stderr, "window_driver: the run did not end\n");
      return 1;
    }
    LARGE_INTEGER sent;
    LARGE_INTEGER answered;
    DWORD_PTR result = 0;
    QueryPerformanceCounter(&sent);
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result);
    QueryPerformanceCounter(&answered);
    const double wait = MicrosecondsBetween(sent, answered);
    if (wait > longest) {
      longest = wait;
      longestAt = GetTickCount() - begun;
    }
    if (wait > kSlowAnswerUs) ++slow;
    ++probes;
    if (watch.seen[0] == '\0') EnumChildWindows(window, FindPrefixedText, (LPARAM)&watch);
    Sleep(kProbeIntervalMs);
  }
  printf("probes %ld\nlongest-wait-us %.0f\nlongest-at-ms %lu\nslow-answers %ld\n", probes, longest,
         (unsigned long)longestAt, slow);
  if (watch.seen[0] != '\0') printf("seen-text %s\n", watch.seen);
  return 0;
}

/* A key pressed and let go in the window, as the keyboard gives it to the
 * window's thread. */
static int Key(const char* className, const char* caption, int virtualKey) {
  HWND window = FindTopLevel(className, caption);
  if (window == NULL) return 1;
  const LPARAM repeatOnce = 1;
  const LPARAM released = (LPARAM)0xC0000001u;
  PostMessageA(window, WM_KEYDOWN, (WPARAM)virtualKey, repeatOnce);
  PostMessageA(window, WM_KEYUP, (WPARAM)virtualKey, released);
  return 0;
}

static int SetText(const char* className, const char* caption, int index, const char* text) {
  HWND window = FindTopLevel(className, caption);
  if (window == NULL) return 1;
  HWND edit = FindChild(window, "Edit", NULL, index);
  if (edit == NULL) {
    fprintf(stderr, "window_driver: no edit control number %d\n", index);
    return 1;
  }
  SendMessageA(edit, WM_SETTEXT, 0, (LPARAM)text);
  return 0;
}

static int EndSession(const char* className, const char* caption) {
  HWND window = FindTopLevelHiddenToo(className, caption);
  if (window == NULL) return 1;
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL,
                           kAnswerMs * 10, &answer)) {
    fprintf(stderr, "window_driver: no answer to the query\n");
    return 1;
  }
  printf("query %lu\n", (unsigned long)answer);
  fflush(stdout);
  if (!SendMessageTimeoutA(window, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_NORMAL,
                           kAnswerMs * 10, &answer)) {
    fprintf(stderr, "window_driver: WM_ENDSESSION was not handled\n");
    return 1;
  }
  printf("ended\n");
  return 0;
}

static int Launch(WORD show, DWORD timeoutMs, LPWSTR commandLine) {
  STARTUPINFOW startup = {0};
  PROCESS_INFORMATION process = {0};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = show;
  if (commandLine == NULL ||
      !CreateProcessW(NULL, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
    fprintf(stderr, "window_driver: cannot start: error %lu\n", GetLastError());
    return 1;
  }
  CloseHandle(process.hThread);
  const DWORD waited = WaitForSingleObject(process.hProcess, timeoutMs);
  DWORD status = 0;
  GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hProcess);
  if (waited != WAIT_OBJECT_0) {
    fprintf(stderr, "window_driver: the program did not end within %lu ms\n",
            (unsigned long)timeoutMs);
    return 1;
  }
  printf("exit %lu\n", (unsigned long)status);
  return 0;
}

/* IID_IAccessible: the import library's symbol of that name is a code thunk. */
static const IID kAccessibleIid = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

/* The window's client object as Active Accessibility hands it out. */
static BOOL CALLBACK PrintAccessibleLine(HWND window, LPARAM unused) {
  (void)unused;
  IAccessible* object = NULL;
  VARIANT self, role, state;
  VariantInit(&self);
  VariantInit(&role);
  VariantInit(&state);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  printf("acc\t%lu", (unsigned long)(ULONG_PTR)window);
  const HRESULT found =
      AccessibleObjectFromWindow(window, (DWORD)OBJID_CLIENT, &kAccessibleIid, (void**)&object);
  if (FAILED(found)) { /* the error in place of the state */
    printf("\t-1\t%ld\t\t\t\t\n", (long)found);
    return TRUE;
  }
  const BOOL hasRole = SUCCEEDED(IAccessible_get_accRole(object, self, &role));
  const BOOL hasState = SUCCEEDED(IAccessible_get_accState(object, self, &state));
  printf("\t%ld\t%ld", hasRole && role.vt == VT_I4 ? role.lVal : -1L,
         hasState && state.vt == VT_I4 ? state.lVal : -1L);
  HRESULT(STDMETHODCALLTYPE* const texts[])
  (IAccessible*, VARIANT, BSTR*) = {object->lpVtbl->get_accName, object->lpVtbl->get_accValue,
                                    object->lpVtbl->get_accDescription,
                                    object->lpVtbl->get_accKeyboardShortcut};
  for (size_t i = 0; i < sizeof texts / sizeof texts[0]; ++i) {
    BSTR text = NULL;
    char utf8[kMaxText] = "";
    if (SUCCEEDED(texts[i](object, self, &text)) && text != NULL) Utf8Of(text, utf8, sizeof utf8);
    SysFreeString(text);
    putchar('\t');
    PrintEscaped(utf8);
  }
  putchar('\n');
  IAccessible_Release(object);
  return TRUE;
}

static int Accessible(const char* className, const char* caption, DWORD timeoutMs) {
  CoInitialize(NULL);
  const int status = PrintAll(className, caption, timeoutMs, PrintAccessibleLine);
  CoUninitialize();
  return status;
}

/* "12+20" is Alt+Space: the keys go down in order and up in reverse. */
static void TypeCombo(const char* combo) {
  INPUT inputs[2 * kMaxCombo];
  int count = 0;
  for (char* end = (char*)combo; *combo != '\0' && count < kMaxCombo; combo = end + (*end == '+')) {
    ZeroMemory(&inputs[count], sizeof inputs[count]);
    inputs[count].type = INPUT_KEYBOARD;
    inputs[count].ki.wVk = (WORD)strtoul(combo, &end, 16);
    if (end == combo) break;
    ++count;
  }
  for (int i = 0; i < count; ++i) {
    inputs[count + i] = inputs[count - 1 - i];
    inputs[count + i].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput((UINT)(2 * count), inputs, sizeof inputs[0]);
  Sleep(kKeyGapMs);
}

static HWND FocusOf(HWND window) {
  GUITHREADINFO info = {.cbSize = sizeof info};
  GetGUIThreadInfo(GetWindowThreadProcessId(window, NULL), &info);
  return info.hwndFocus;
}

/* Keys typed after bringing such a window to the front, or with none (and
 * the keys going to whatever is in front) when CLASS and CAPTION are empty;
 * for tab-walk, the focus before and after each Tab, once it has moved. */
static int Keys(const char* className, const char* caption, int count, char** combos, BOOL walk) {
  HWND window = NULL;
  if (className[0] != '\0' || caption[0] != '\0') {
    if ((window = FindTopLevel(className, caption)) == NULL) return 1;
    SetForegroundWindow(window);
  }
  HWND focus = walk ? FocusOf(window) : NULL;
  if (walk) printf("focus\t%lu\n", (unsigned long)(ULONG_PTR)focus);
  for (int i = 0; i < count; ++i) {
    TypeCombo(combos[i]);
    for (DWORD start = GetTickCount(); walk && FocusOf(window) == focus;) {
      if (GetTickCount() - start > kFocusWaitMs) break;
      Sleep(kPollMs);
    }
    if (walk) printf("focus\t%lu\n", (unsigned long)(ULONG_PTR)(focus = FocusOf(window)));
  }
  return 0;
}

static int Usage(void) {
  fprintf(stderr,
          "usage: window_driver tree|wait|wait-gone CLASS CAPTION TIMEOUT_MS\n"
          "       window_driver choose-file|type-name CAPTION TIMEOUT_MS PATH\n"
          "       window_driver close CLASS CAPTION\n"
          "       window_driver restore CLASS CAPTION\n"
          "       window_driver press|wait-enabled|close-in-run CLASS CAPTION BUTTON_TEXT "
          "TIMEOUT_MS\n"
          "       window_driver probe CLASS CAPTION BUTTON_TEXT TIMEOUT_MS PREFIX [FOR_MS]\n"
          "       window_driver set-text CLASS CAPTION INDEX TEXT\n"
          "       window_driver end-session CLASS CAPTION\n"
          "       window_driver launch SHOW TIMEOUT_MS COMMAND_LINE\n"
          "       window_driver key CLASS CAPTION VIRTUAL_KEY\n"
          "       window_driver accessible CLASS CAPTION TIMEOUT_MS\n"
          "       window_driver keys|tab-walk CLASS CAPTION COMBO...\n");
  return 2;
}

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  /* The windows' sizes as the screen has them, at every scale. */
  SetProcessDPIAware();
  const char* command = argv[1];
  if (argc == 5 && strcmp(command, "tree") == 0) {
    return Tree(argv[2], argv[3], strtoul(argv[4], NULL, 10));
  }
  if (argc == 5 && strcmp(command, "wait") == 0) {
    HWND window = WaitTopLevel(argv[2], argv[3], strtoul(argv[4], NULL, 10));
    if (window == NULL) return 1;
    printf("%lu\n", (unsigned long)(ULONG_PTR)window);
    return 0;
  }
  if (argc == 5 && strcmp(command, "wait-gone") == 0) {
    return WaitGone(argv[2], argv[3], strtoul(argv[4], NULL, 10));
  }
  if (argc == 5 && strcmp(command, "choose-file") == 0) {
    return ChooseFile(argv[2], strtoul(argv[3], NULL, 10), WideArgument(4));
  }
  if (argc == 5 && strcmp(command, "type-name") == 0) {
    return TypeName(argv[2], strtoul(argv[3], NULL, 10), WideArgument(4)) != NULL ? 0 : 1;
  }
  if (argc == 4 && strcmp(command, "restore") == 0) {
    HWND window = FindTopLevel(argv[2], argv[3]);
    if (window == NULL) return 1;
    ShowWindow(window, SW_RESTORE);
    return 0;
  }
  if (argc == 4 && strcmp(command, "close") == 0) {
    HWND window = FindTopLevel(argv[2], argv[3]);
    if (window == NULL) return 1;
    PostMessageA(window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (argc == 6 && strcmp(command, "press") == 0) {
    return Press(argv[2], argv[3], argv[4], strtoul(argv[5], NULL, 10));
  }
  if ((argc == 7 || argc == 8) && strcmp(command, "probe") == 0) {
    const DWORD forMs = argc == 8 ? strtoul(argv[7], NULL, 10) : 0;
    return Probe(argv[2], argv[3], argv[4], strtoul(argv[5], NULL, 10), argv[6], forMs);
  }
  if (argc == 6 && strcmp(command, "wait-enabled") == 0) {
    return WaitEnabled(argv[2], argv[3], argv[4], strtoul(argv[5], NULL, 10));
  }
  if (argc == 6 && strcmp(command, "close-in-run") == 0) {
    return CloseInRun(argv[2], argv[3], argv[4], strtoul(argv[5], NULL, 10));
  }
  if (argc == 5 && strcmp(command, "key") == 0) {
    return Key(argv[2], argv[3], atoi(argv[4]));
  }
  if (argc == 4 && strcmp(command, "end-session") == 0) {
    return EndSession(argv[2], argv[3]);
  }
  if (argc == 5 && strcmp(command, "launch") == 0) {
    return Launch((WORD)atoi(argv[2]), strtoul(argv[3], NULL, 10), WideArgument(4));
  }
  if (argc == 6 && strcmp(command, "set-text") == 0) {
    return SetText(argv[2], argv[3], atoi(argv[4]), argv[5]);
  }
  if (argc == 5 && strcmp(command, "accessible") == 0) {
    return Accessible(argv[2], argv[3], strtoul(argv[4], NULL, 10));
  }
  if (argc >= 5 && (strcmp(command, "keys") == 0 || strcmp(command, "tab-walk") == 0)) {
    return Keys(argv[2], argv[3], argc - 4, argv + 4, strcmp(command, "tab-walk") == 0);
  }
  return Usage();
}
