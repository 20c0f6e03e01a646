#include "ui/window_place.h"

#include <algorithm>

namespace morvane::ui {

WindowPlace CentredOnScreen(int screenWidth, int screenHeight, int width, int height,
                            const Bounds& workArea) {
  return WindowPlace{std::max((screenWidth - width) / 2, workArea.left),
                     std::max((screenHeight - height) / 2, workArea.top)};
}

}  // namespace morvane::ui
