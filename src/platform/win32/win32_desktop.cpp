#include "platform/win32/win32_desktop.h"

#include <windows.h>

namespace morvane::platform::win32 {

WindowHandle Win32Desktop::DesktopWindow() {
  return reinterpret_cast<WindowHandle>(GetDesktopWindow());
}

}  // namespace morvane::platform::win32
