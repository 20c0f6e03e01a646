#include "platform/win32/win32_message_boxes.h"

#include <windows.h>

namespace morvane::platform::win32 {

int Win32MessageBoxes::Show(WindowHandle owner, const char* text, const char* caption,
                            std::uint32_t style) {
  return MessageBoxA(reinterpret_cast<HWND>(owner), text, caption, style);
}

}  // namespace morvane::platform::win32
