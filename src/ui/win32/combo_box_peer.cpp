#include "ui/win32/combo_box_peer.h"

#include <string>

#include "ui/win32/combo_box_control.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {
namespace {

// The extra height a drop-down box's window needs for its list.
constexpr int kDropDownListHeight = 200;

}  // namespace

ComboBoxPeer::ComboBoxPeer(ComboBox& combo, HWND window)
    : TypedPeer(combo, window), editPart_(ComboBoxControl(window).EditPart()) {
  if (editPart_) TakeOver(editPart_);
  Changed(Property::Bounds);  // makes room for the list
  Changed(Property::Items);
}

ComboBoxPeer::~ComboBoxPeer() {
  if (editPart_) Disown(editPart_);
}

void ComboBoxPeer::Changed(Property property) {
  const ComboBox& combo = Model();
  switch (property) {
    case Property::Items: {
      ComboBoxControl box(Window());
      box.ResetContent();
      for (const std::string& item : combo.Items()) box.AddString(item);
      box.SetCurSel(combo.ItemIndex());
      PutWindowText(Window(), combo.Text());
      break;
    }
    case Property::Bounds: {
      Bounds b = combo.GetBounds();
      b.height += kDropDownListHeight;
      const RECT r = Scale().Out(b);
      MoveWindow(Window(), r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
      break;
    }
    default:
      WindowPeer::Changed(property);
  }
}

void ComboBoxPeer::OnCommand(WORD code) {
  if (code == CBN_EDITCHANGE) {
    Model().TextChangedByUser(WindowText(Window()));
  } else if (code == CBN_SELCHANGE) {
    Model().ItemChosenByUser(ComboBoxControl(Window()).CurSel());
  }
}

}  // namespace morvane::ui::win32
