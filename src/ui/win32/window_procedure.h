#pragma once

#include <windows.h>

namespace morvane::ui::win32 {

// The window procedure of a window class of ours whose windows belong to an
// object that a window property of the window leads to (Owner::FromWindow):
// the object handles each message; before it is made and after it is gone,
// the default does.
template <typename Owner>
LRESULT CALLBACK OwnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Owner* owner = Owner::FromWindow(window))
    return owner->HandleMessage(message, wParam, lParam);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace morvane::ui::win32
