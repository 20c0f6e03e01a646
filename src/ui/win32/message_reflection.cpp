#include "ui/win32/message_reflection.h"

#include "platform/win32/message_params.h"
#include "ui/win32/win32_screen_cursor.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {
namespace {

using platform::win32::ParamData;

// A message about a child names it in lParam (WM_COMMAND, WM_CTLCOLOR*).
WindowPeer* PeerOfChild(LPARAM lParam) {
  return WindowPeer::FromWindow(reinterpret_cast<HWND>(lParam));
}

}  // namespace

bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      WindowPeer* peer = PeerOfChild(lParam);
      if (!peer) return false;
      peer->OnCommand(HIWORD(wParam));
      result = 0;
      return true;
    }
    case WM_NOTIFY: {
      if (!lParam) return false;
      const auto& header = ParamData<const NMHDR>(lParam);
      WindowPeer* peer = WindowPeer::FromWindow(header.hwndFrom);
      if (!peer) return false;
      result = peer->OnNotify(header);
      return true;
    }
    case WM_DRAWITEM: {
      if (!lParam) return false;
      const auto& item = ParamData<const DRAWITEMSTRUCT>(lParam);
      WindowPeer* peer = WindowPeer::FromWindow(item.hwndItem);
      if (!peer) return false;
      peer->OnDrawItem(item);
      result = TRUE;
      return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      if (!lParam) return false;
      const auto dc = reinterpret_cast<HDC>(wParam);
      WindowPeer* peer = PeerOfChild(lParam);
      HBRUSH brush = peer ? peer->OnControlColor(dc) : ControlColors(dc, nullptr);
      result = reinterpret_cast<LRESULT>(brush);
      return true;
    }
    default:
      return false;
  }
}

HBRUSH ControlColors(HDC dc, const Color* text) {
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  if (text) SetTextColor(dc, ColorRefOf(*text));
  return GetSysColorBrush(COLOR_BTNFACE);
}

bool ShowProgramCursor() {
  HCURSOR cursor = Win32ScreenCursor::OverridingCursor();
  if (!cursor) return false;
  SetCursor(cursor);
  return true;
}

}  // namespace morvane::ui::win32
