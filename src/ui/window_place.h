#pragma once

#include "ui/control.h"

namespace morvane::ui {

struct WindowPlace {
  int left = 0;
  int top = 0;
  friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};

// Where a window of the size goes when it is centred on the screen, in the
// screen's pixels. Its top-left corner, and so its caption, stays inside the
// work area of its monitor: a window larger than that (a large scale on a
// small screen) would have its caption out of the mouse's reach.
WindowPlace CentredOnScreen(int screenWidth, int screenHeight, int width, int height,
                            const Bounds& workArea);

}  // namespace morvane::ui
