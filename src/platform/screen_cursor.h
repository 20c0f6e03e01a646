#pragma once

#include "base/cursor.h"

namespace morvane::platform {

// The cursor shown over all of the program's windows.
class ScreenCursor {
 public:
  virtual ~ScreenCursor() = default;
  virtual base::Cursor Get() const = 0;
  virtual void Set(base::Cursor cursor) = 0;
};

}  // namespace morvane::platform
