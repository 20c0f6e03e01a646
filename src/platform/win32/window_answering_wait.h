#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/file_system.h"
#include "platform/monotonic_clock.h"

namespace morvane::platform::win32 {

// How a wait for an object ended.
enum class WaitEnd { Signalled, TimedOut, Cancelled, Failed };

inline constexpr std::int64_t kNoDeadline = INT64_MAX;

// Waits for objects while the thread's windows go on answering. The queue is
// looked at on a clock rather than at every wait: a look costs a round trip
// to the window server under Wine, and a fast peer keeps a copy waiting many
// times a millisecond for a moment each. Between looks the object alone is
// waited for; once a look is due, the wait wakes for the first message too.
class WindowAnsweringWait {
 public:
  WindowAnsweringWait(MonotonicClock& clock, WriteWait& wait);

  // Waits until object is signalled or the clock passes deadline
  // (microseconds of clock; kNoDeadline for none). Every message that comes
  // meanwhile goes to `wait`; its false ends the wait as Cancelled.
  WaitEnd Until(HANDLE object, std::int64_t deadline);

  MonotonicClock& Clock() { return clock_; }

 private:
  MonotonicClock& clock_;
  WriteWait& wait_;
  std::int64_t lastLook_;
};

// The clock's deadline timeoutMilliseconds from now.
std::int64_t DeadlineAfter(MonotonicClock& clock, int timeoutMilliseconds);

}  // namespace morvane::platform::win32
