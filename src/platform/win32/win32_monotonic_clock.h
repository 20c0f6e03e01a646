#pragma once

#include "platform/monotonic_clock.h"

namespace morvane::platform::win32 {

// The performance counter: a plain read in user space, no trip to the server.
class Win32MonotonicClock : public MonotonicClock {
 public:
  Win32MonotonicClock();
  std::int64_t Microseconds() override;

 private:
  std::int64_t ticksPerSecond_;
};

}  // namespace morvane::platform::win32
