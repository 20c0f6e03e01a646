#pragma once

#include <string>

namespace morvane::platform {

// A moment of the local clock, each field as people write it (month 1 to 12).
struct LocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

class LocalClock {
 public:
  virtual ~LocalClock() = default;
  // The current local date and time.
  virtual LocalTime Now() = 0;
  // The current local date and time in the user's short-date and long-time
  // form, joined by a blank.
  virtual std::string DateTimeText() = 0;
};

}  // namespace morvane::platform
