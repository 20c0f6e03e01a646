#pragma once

#include <windows.h>

#include "base/window_handle.h"

namespace morvane::platform::win32 {

// The layers above hold windows as opaque numbers; these are the only places
// where a number becomes a window and back.
inline HWND WindowOf(base::WindowHandle handle) { return reinterpret_cast<HWND>(handle); }
inline base::WindowHandle HandleOf(HWND window) {
  return reinterpret_cast<base::WindowHandle>(window);
}

}  // namespace morvane::platform::win32
