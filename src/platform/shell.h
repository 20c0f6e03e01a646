#pragma once

#include "platform/window_handle.h"

namespace morvane::platform {

class Shell {
 public:
  virtual ~Shell() = default;
  virtual void DragAcceptFiles(WindowHandle window, bool accept) = 0;
};

}  // namespace morvane::platform
