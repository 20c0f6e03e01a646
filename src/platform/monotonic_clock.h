#pragma once

#include <cstdint>

namespace morvane::platform {

// A clock that only moves forward, cheap enough to read after every block of
// a copy: it never looks at the message queue.
class MonotonicClock {
 public:
  virtual ~MonotonicClock() = default;
  // Microseconds since an arbitrary start.
  virtual std::int64_t Microseconds() = 0;
};

}  // namespace morvane::platform
