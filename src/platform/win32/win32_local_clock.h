#pragma once

#include "platform/local_clock.h"

namespace morvane::platform::win32 {

class Win32LocalClock : public LocalClock {
 public:
  LocalTime Now() override;
  std::string DateTimeText() override;
};

}  // namespace morvane::platform::win32
