#include "ui/win32/combo_box_control.h"

#include "platform/win32/message_params.h"

namespace morvane::ui::win32 {

void ComboBoxControl::ResetContent() { SendMessageA(window_, CB_RESETCONTENT, 0, 0); }

void ComboBoxControl::AddString(const std::string& item) {
  SendMessageA(window_, CB_ADDSTRING, 0, platform::win32::PointerParam(item.c_str()));
}

int ComboBoxControl::CurSel() const {
  return static_cast<int>(SendMessageA(window_, CB_GETCURSEL, 0, 0));
}

void ComboBoxControl::SetCurSel(int index) {
  SendMessageA(window_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace morvane::ui::win32
