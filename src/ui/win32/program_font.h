#pragma once

#include <windows.h>

#include "ui/control.h"
#include "ui/win32/dpi_scale.h"

namespace morvane::ui::win32 {

// The forms' face, whose bitmaps are made for 96 dpi.
inline constexpr wchar_t kProgramFontFace[] = L"MS Sans Serif";

// A font of the forms (ui::Font) at the scale, for the caller to delete. At
// 96 dpi it is the forms' face at the font's height. At any other scale it
// is a face that scales, at the size that sets text as wide as the forms'
// face did at 96 dpi, scaled: that face's bitmaps don't scale, and the face
// the system offers in their place is wider, which cuts captions off. Both
// with the default character set, so that characters outside the code page
// are drawn from linked fonts.
HFONT CreateProgramFont(const Font& font, const DpiScale& scale);

// Every control's font: "MS Sans Serif" at height -11 at 96 dpi, as above at
// the window's scale; one per scale, kept for the program's life.
HFONT ProgramFont(HWND window);

}  // namespace morvane::ui::win32
