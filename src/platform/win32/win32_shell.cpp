#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <shellapi.h>

namespace morvane::platform::win32 {

void Win32Shell::DragAcceptFiles(WindowHandle window, bool accept) {
  if (window) ::DragAcceptFiles(reinterpret_cast<HWND>(window), accept ? TRUE : FALSE);
}

}  // namespace morvane::platform::win32
