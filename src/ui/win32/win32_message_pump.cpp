#include "ui/win32/win32_message_pump.h"

#include <windows.h>

#include "ui/win32/win32_window_system.h"

namespace morvane::ui::win32 {

void Win32MessagePump::ProcessMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Leave the quit for the message loop that owns it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Win32MessagePump::WaitForMessages(int milliseconds) {
  MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(milliseconds), QS_ALLINPUT,
                              MWMO_INPUTAVAILABLE);
  ProcessMessages();
}

}  // namespace morvane::ui::win32
