#pragma once

#include <windows.h>

#include "ui/control.h"
#include "ui/keys.h"

namespace morvane::ui::win32 {

inline constexpr char kApplicationClass[] = "MorvaneApplication";
inline constexpr char kFormClass[] = "MorvaneForm";
inline constexpr char kPanelClass[] = "MorvanePanel";
inline constexpr char kGroupBoxClass[] = "MorvaneGroupBox";
inline constexpr char kToolButtonClass[] = "MorvaneToolButton";
inline constexpr char kStringGridClass[] = "MorvaneStringGrid";

// Registers the program's own window classes once, and the common controls
// the program uses (tool tips, up-down arrows, image lists).
void RegisterWindowClasses();

inline constexpr char kProgramFontFace[] = "MS Sans Serif";

// "MS Sans Serif" at height -11 with the ANSI character set: every control's font.
HFONT ProgramFont();

// Has the window draw its text in font (WM_SETFONT), without redrawing.
void UseFont(HWND window, HFONT font);

// Where the mouse is, from a mouse message's lParam: client coordinates,
// negative left of or above the window.
POINT MousePoint(LPARAM lParam);

COLORREF ColorRefOf(const Color& color);

// The modifier keys held down at the moment.
ShiftState CurrentShiftState();

}  // namespace morvane::ui::win32
