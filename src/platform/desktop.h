#pragma once

#include "platform/window_handle.h"

namespace morvane::platform {

class Desktop {
 public:
  virtual ~Desktop() = default;
  // GetDesktopWindow.
  virtual WindowHandle DesktopWindow() = 0;
};

}  // namespace morvane::platform
