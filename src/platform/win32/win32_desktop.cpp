#include "platform/win32/win32_desktop.h"

#include <windows.h>

#include "platform/win32/window_handles.h"

namespace morvane::platform::win32 {

base::WindowHandle Win32Desktop::DesktopWindow() { return HandleOf(GetDesktopWindow()); }

}  // namespace morvane::platform::win32
