#pragma once

#include <windows.h>

#include "ui/control.h"

namespace morvane::ui::win32 {

// The forms and controls keep their sizes in pixels of a 96-dpi screen. Every
// window scales them here, and only here, to the dots per inch of the monitor
// it is on, rounded as the system rounds: sizes and fonts on the way out,
// mouse and drop points on the way in. At 96 dpi nothing changes.
inline constexpr int kDesignDpi = 96;

class DpiScale {
 public:
  explicit DpiScale(int dpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}
  // The scale of the monitor the window is on.
  static DpiScale Of(HWND window);

  int Dpi() const { return dpi_; }
  int Out(int pixels) const { return MulDiv(pixels, dpi_, kDesignDpi); }
  int In(int pixels) const { return MulDiv(pixels, kDesignDpi, dpi_); }
  RECT Out(const Bounds& bounds) const;
  Bounds In(const RECT& rect) const;
  POINT In(POINT point) const { return POINT{In(point.x), In(point.y)}; }
  // A font height of the forms (negative: the character height) at the same
  // point size for this scale.
  int FontHeight(int designHeight) const;

 private:
  int dpi_;
};

// The frame size of a window whose client area is client, at the scale.
SIZE FrameSize(const SIZE& client, DWORD style, DWORD exStyle, const DpiScale& scale);

}  // namespace morvane::ui::win32
