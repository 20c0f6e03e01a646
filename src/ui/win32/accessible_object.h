#pragma once

#include <windows.h>

namespace morvane::ui::win32 {

// The answer of a window of ours to WM_GETOBJECT: for its client object, the
// system's standard object with what the control's model says it is laid
// over it (ui::Describe). 0 for any other object, or when the object cannot
// be handed out: the caller then leaves the message to the system.
LRESULT AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam);

// Tells screen readers that the window's name (its text) changed.
void AnnounceNameChange(HWND window);

}  // namespace morvane::ui::win32
