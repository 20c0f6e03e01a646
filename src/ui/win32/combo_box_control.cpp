#include "ui/win32/combo_box_control.h"

#include "platform/win32/message_params.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {

void ComboBoxControl::ResetContent() { SendMessageW(window_, CB_RESETCONTENT, 0, 0); }

void ComboBoxControl::AddString(const std::string& item) {
  const std::wstring wide = WideText(item);
  SendMessageW(window_, CB_ADDSTRING, 0, platform::win32::PointerParam(wide.c_str()));
}

int ComboBoxControl::CurSel() const {
  return static_cast<int>(SendMessageW(window_, CB_GETCURSEL, 0, 0));
}

void ComboBoxControl::SetCurSel(int index) {
  SendMessageW(window_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

HWND ComboBoxControl::EditPart() const {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  return GetComboBoxInfo(window_, &info) ? info.hwndItem : nullptr;
}

}  // namespace morvane::ui::win32
