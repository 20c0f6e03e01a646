#pragma once

#include <windows.h>

#include "ui/picture.h"

namespace morvane::ui::win32 {

inline constexpr int kPictureSize = 16;

// Draws a button picture with its transparent parts left alone, in colour or
// greyed for a disabled button. Pictures load from the resources on first use.
void DrawPicture(HDC dc, Picture picture, int x, int y, bool greyed);

}  // namespace morvane::ui::win32
