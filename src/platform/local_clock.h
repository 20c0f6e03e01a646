#pragma once

#include <string>

namespace morvane::platform {

class LocalClock {
 public:
  virtual ~LocalClock() = default;
  // The current local date and time in the user's short-date and long-time
  // form, joined by a blank.
  virtual std::string DateTimeText() = 0;
};

}  // namespace morvane::platform
