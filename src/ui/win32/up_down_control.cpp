#include "ui/win32/up_down_control.h"

#include <commctrl.h>

namespace morvane::ui::win32 {

void UpDownControl::SetRange(int low, int high) {
  SendMessageW(window_, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
}

void UpDownControl::SetPos(int position) { SendMessageW(window_, UDM_SETPOS32, 0, position); }

void UpDownControl::SetBuddy(HWND buddy) {
  SendMessageW(window_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
}

}  // namespace morvane::ui::win32
