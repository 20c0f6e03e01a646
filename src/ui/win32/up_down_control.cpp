#include "ui/win32/up_down_control.h"

#include <commctrl.h>

namespace morvane::ui::win32 {

void UpDownControl::SetRange(int low, int high) {
  SendMessageA(window_, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
}

void UpDownControl::SetPos(int position) { SendMessageA(window_, UDM_SETPOS32, 0, position); }

void UpDownControl::SetBuddy(HWND buddy) {
  SendMessageA(window_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
}

}  // namespace morvane::ui::win32
