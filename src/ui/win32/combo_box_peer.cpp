#include "ui/win32/combo_box_peer.h"

#include <string>

#include "ui/win32/edit_peers.h"
#include "ui/win32/message_reflection.h"

namespace morvane::ui::win32 {
namespace {

// The extra height a drop-down box's window needs for its list.
constexpr int kDropDownListHeight = 200;

}  // namespace

ComboBoxPeer::ComboBoxPeer(ComboBox& combo, HWND window) : TypedPeer(combo, window) {
  Changed(Property::Bounds);  // makes room for the list
  Changed(Property::Items);
}

void ComboBoxPeer::Changed(Property property) {
  const ComboBox& combo = Model();
  switch (property) {
    case Property::Items:
      SendMessageA(Window(), CB_RESETCONTENT, 0, 0);
      for (const std::string& item : combo.Items()) {
        SendMessageA(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
      }
      SendMessageA(Window(), CB_SETCURSEL, static_cast<WPARAM>(combo.ItemIndex()), 0);
      SetWindowTextA(Window(), combo.Text().c_str());
      break;
    case Property::Bounds: {
      const Bounds& b = combo.GetBounds();
      MoveWindow(Window(), b.left, b.top, b.width, b.height + kDropDownListHeight, TRUE);
      break;
    }
    default:
      WindowPeer::Changed(property);
  }
}

LRESULT ComboBoxPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != Reflected(WM_COMMAND)) return WindowPeer::HandleMessage(message, wParam, lParam);
  if (HIWORD(wParam) == CBN_EDITCHANGE) {
    Model().TextChangedByUser(WindowText(Window()));
  } else if (HIWORD(wParam) == CBN_SELCHANGE) {
    Model().ItemChosenByUser(static_cast<int>(SendMessageA(Window(), CB_GETCURSEL, 0, 0)));
  }
  return 0;
}

}  // namespace morvane::ui::win32
