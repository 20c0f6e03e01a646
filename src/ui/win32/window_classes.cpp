#include "ui/win32/window_classes.h"

#include <commctrl.h>

#include "ui/label.h"
#include "ui/win32/control_windows.h"
#include "ui/win32/picture_windows.h"
#include "ui/win32/win32_screen_cursor.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {
namespace {

constexpr int kFontHeight = -11;

// No CS_DBLCLKS anywhere: a quick second press is a press like the first.
void RegisterClassOnce(const char* name, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.hInstance = GetModuleHandleA(nullptr);
  WNDCLASSEXA registered{};
  registered.cbSize = sizeof(registered);
  if (GetClassInfoExA(windowClass.hInstance, name, &registered)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCEA(1));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  RegisterClassExA(&windowClass);
}

}  // namespace

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void RegisterWindowClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterClassOnce(kApplicationClass, ApplicationProc);
  RegisterClassOnce(kFormClass, FormProc);
  for (const ControlWindowKind& kind : ControlWindowKinds()) {
    if (kind.ownProcedure) RegisterClassOnce(kind.className, kind.ownProcedure);
  }
}

HFONT ProgramFont() {
  static HFONT font = CreateFontA(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kProgramFontFace);
  return font;
}

ShiftState CurrentShiftState() {
  return ShiftState{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                    GetKeyState(VK_MENU) < 0};
}

namespace {

// A label's own cursor, such as the hand over a link; null for the default.
HCURSOR ControlCursor(HWND child) {
  auto* peer = WindowPeer::FromWindow(child);
  if (!peer || peer->Model().Kind() != Label::kKind) return nullptr;
  const MouseCursor cursor = static_cast<const Label&>(peer->Model()).Cursor();
  if (cursor != MouseCursor::HandPoint) return nullptr;
  return LoadCursorA(nullptr, IDC_HAND);
}

}  // namespace

bool HandleCommonMessage(HWND /*window*/, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      HWND child = reinterpret_cast<HWND>(lParam);
      if (!child) return false;
      if (auto* peer = WindowPeer::FromWindow(child)) peer->Command(HIWORD(wParam));
      result = 0;
      return true;
    }
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      auto* peer = header ? WindowPeer::FromWindow(header->hwndFrom) : nullptr;
      return peer && peer->Notify(*header, result);
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      auto* peer = item ? WindowPeer::FromWindow(item->hwndItem) : nullptr;
      if (!peer) return false;
      peer->DrawItem(*item);
      result = TRUE;
      return true;
    }
    case WM_SETCURSOR:
      if (void* cursor = Win32ScreenCursor::OverridingCursor()) {
        SetCursor(static_cast<HCURSOR>(cursor));
        result = TRUE;
        return true;
      }
      if (HCURSOR own = ControlCursor(reinterpret_cast<HWND>(wParam))) {
        SetCursor(own);
        result = TRUE;
        return true;
      }
      return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      if (auto* peer = WindowPeer::FromWindow(reinterpret_cast<HWND>(lParam))) {
        SetTextColor(dc, ColorRefOf(peer->Model().GetFont().color));
      }
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace morvane::ui::win32
