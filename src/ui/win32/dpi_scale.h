#pragma once

#include <windows.h>

#include "ui/control.h"
#include "ui/scale.h"

namespace morvane::ui::win32 {

// The scale of a window, and the conversions of rectangles and points. Every
// window scales the forms' 96-dpi sizes here, and only here.
class DpiScale : public Scale {
 public:
  using Scale::In;
  using Scale::Out;
  using Scale::Scale;
  // The scale of the monitor the window is on.
  static DpiScale Of(HWND window);

  RECT Out(const Bounds& bounds) const;
  Bounds In(const RECT& rect) const;
  POINT In(POINT point) const { return POINT{In(point.x), In(point.y)}; }
};

// The frame size of a window whose client area is client, at the scale.
SIZE FrameSize(const SIZE& client, DWORD style, DWORD exStyle, const DpiScale& scale);

}  // namespace morvane::ui::win32
