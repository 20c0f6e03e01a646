#pragma once

#include <cstdint>

#include "base/window_handle.h"

namespace morvane::platform {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A modal system box; returns the button pressed (1 for OK), 0 on failure.
  virtual int Show(base::WindowHandle owner, const char* text, const char* caption,
                   std::uint32_t style) = 0;
};

}  // namespace morvane::platform
