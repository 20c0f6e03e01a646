#pragma once

#include <windows.h>

#include "ui/picture.h"
#include "ui/win32/dpi_scale.h"

namespace morvane::ui::win32 {

// The pictures are drawn at a few sizes from one source (resources/
// make_pictures.py); each scale takes the largest set that fits it, so a
// picture is never stretched.
inline constexpr int kPictureSize = 16;

// The picture set for the scale: its index among the sets, and its size.
int PictureSet(const DpiScale& scale);
int PictureSize(const DpiScale& scale);
// The resource of a picture (or the logo) in a set.
int PictureResource(int resourceId, int set);

// Draws a button picture of the size with its transparent parts left alone, in
// colour or greyed for a disabled button. Pictures load from the resources on
// first use.
void DrawPicture(HDC dc, Picture picture, int size, int x, int y, bool greyed);

}  // namespace morvane::ui::win32
