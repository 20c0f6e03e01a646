#pragma once

#include <windows.h>

#include "ui/control.h"

namespace morvane::ui::win32 {

inline constexpr char kApplicationClass[] = "MorvaneApplication";
inline constexpr char kFormClass[] = "MorvaneForm";
inline constexpr char kPanelClass[] = "MorvanePanel";
inline constexpr char kGroupBoxClass[] = "MorvaneGroupBox";

// Registers the program's own window classes once.
void RegisterWindowClasses();

// "MS Sans Serif" at height -11 with the ANSI character set: every control's font.
HFONT ProgramFont();

// Handles the messages every window of ours shares: commands from child
// controls, the program-wide cursor. Returns true when it handled the message.
bool HandleCommonMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace morvane::ui::win32
