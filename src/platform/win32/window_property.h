#pragma once

#include <windows.h>

namespace morvane::platform::win32 {

// The object that a window property of ours leads to (each is set to the
// object that owns the window), or null for a window without it.
template <typename Object>
Object* PropertyObject(HWND window, const char* name) {
  return window ? static_cast<Object*>(GetPropA(window, name)) : nullptr;
}

}  // namespace morvane::platform::win32
