#pragma once

#include "base/window_handle.h"

namespace morvane::platform {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // GetDesktopWindow.
  virtual base::WindowHandle DesktopWindow() = 0;
};

}  // namespace morvane::platform
