#pragma once

#include <windows.h>

#include "ui/control.h"
#include "ui/keys.h"
#include "ui/win32/program_font.h"

namespace morvane::ui::win32 {

inline constexpr wchar_t kApplicationClass[] = L"MorvaneApplication";
inline constexpr wchar_t kFormClass[] = L"MorvaneForm";
inline constexpr wchar_t kPanelClass[] = L"MorvanePanel";
inline constexpr wchar_t kGroupBoxClass[] = L"MorvaneGroupBox";
inline constexpr wchar_t kToolButtonClass[] = L"MorvaneToolButton";
inline constexpr wchar_t kStringGridClass[] = L"MorvaneStringGrid";

// Registers the program's own window classes once, and the common controls
// the program uses (tool tips, up-down arrows, image lists).
void RegisterWindowClasses();

// Has the window draw its text in font (WM_SETFONT), without redrawing.
void UseFont(HWND window, HFONT font);

// Where the mouse is, from a mouse message's lParam: client coordinates,
// negative left of or above the window.
POINT MousePoint(LPARAM lParam);
// The same in the forms' 96-dpi pixels.
POINT DesignMousePoint(HWND window, LPARAM lParam);

COLORREF ColorRefOf(const Color& color);

// The modifier keys held down at the moment.
ShiftState CurrentShiftState();

}  // namespace morvane::ui::win32
