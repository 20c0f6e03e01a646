#pragma once

#include <windows.h>

namespace morvane::ui::win32 {

// A window without its object yet (while it is being created) or any more
// (while it is being destroyed): a system control taken over from its class
// gets its class's own procedure, a window of our own classes the default.
LRESULT UnownedWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                             WNDPROC ownProcedure);

// The window procedure of every window of ours: the object that a window
// property of the window leads to (Owner::FromWindow) handles each message.
template <typename Owner>
LRESULT CALLBACK OwnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (Owner* owner = Owner::FromWindow(window))
    return owner->HandleMessage(message, wParam, lParam);
  return UnownedWindowMessage(window, message, wParam, lParam, &OwnedWindowProc<Owner>);
}

}  // namespace morvane::ui::win32
