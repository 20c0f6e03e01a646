#include "ui/win32/message_reflection.h"

#include "ui/win32/win32_screen_cursor.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {
namespace {

// The child window a parent's message is about, or null.
HWND ChildOf(UINT message, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
      return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM:
      return lParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    default:
      return nullptr;
  }
}

}  // namespace

bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  HWND child = ChildOf(message, lParam);
  if (!child) return false;
  if (WindowPeer* peer = WindowPeer::FromWindow(child)) {
    result = peer->HandleMessage(Reflected(message), wParam, lParam);
    return true;
  }
  if (message != WM_CTLCOLORSTATIC && message != WM_CTLCOLORBTN) return false;
  result = ControlColors(reinterpret_cast<HDC>(wParam), nullptr);
  return true;
}

LRESULT ControlColors(HDC dc, const Color* text) {
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  if (text) SetTextColor(dc, ColorRefOf(*text));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool ShowProgramCursor() {
  HCURSOR cursor = Win32ScreenCursor::OverridingCursor();
  if (!cursor) return false;
  SetCursor(cursor);
  return true;
}

}  // namespace morvane::ui::win32
