#include "ui/win32/combo_box_peer.h"

#include <string>

#include "ui/win32/edit_peers.h"

namespace morvane::ui::win32 {

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

void ComboBoxPeer::Command(WORD code) {
  if (code == CBN_EDITCHANGE) {
    Model().TextChangedByUser(WindowText(Window()));
  } else if (code == CBN_SELCHANGE) {
    Model().ItemChosenByUser(static_cast<int>(SendMessageA(Window(), CB_GETCURSEL, 0, 0)));
  }
}

}  // namespace morvane::ui::win32
