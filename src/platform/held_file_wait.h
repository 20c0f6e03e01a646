#pragma once

#include <cstdint>

#include "platform/message_pump.h"
#include "platform/monotonic_clock.h"

namespace morvane::platform {

// How long a file that another program holds is waited for, and how often it
// is tried meanwhile: long enough for a program that is just closing it, short
// enough that a run nobody watches is not held up noticeably.
inline constexpr int kHeldFileWaitMilliseconds = 5000;
inline constexpr int kHeldFileRetryMilliseconds = 250;

// Calls attempt until it answers true or the wait is over, the thread's
// windows answering between the tries. Returns the last answer.
template <typename Attempt>
bool RetryWhileHeld(MessagePump& pump, MonotonicClock& clock, Attempt attempt) {
  constexpr std::int64_t kMicrosecondsPerMillisecond = 1000;
  const std::int64_t end =
      clock.Microseconds() + std::int64_t{kHeldFileWaitMilliseconds} * kMicrosecondsPerMillisecond;
  for (;;) {
    if (attempt()) return true;
    if (clock.Microseconds() >= end) return false;
    pump.WaitForMessages(kHeldFileRetryMilliseconds);
  }
}

}  // namespace morvane::platform
