#pragma once

#include <windows.h>

namespace morvane::ui::win32 {

// Panels: bevels and border width as the model says, the caption inside, and
// mouse presses reported to the model.
LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Group boxes: an etched frame with the caption set into its top line.
LRESULT CALLBACK GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace morvane::ui::win32
