#include "platform/win32/window_answering_wait.h"

namespace morvane::platform::win32 {
namespace {

// Matches the copy loops' own pace of dispatching between blocks, well
// inside the time in which the window is to answer.
constexpr std::int64_t kLookIntervalMicroseconds = 4000;
constexpr std::int64_t kMicrosecondsPerMillisecond = 1000;

// Whole milliseconds, rounded up so that a wait never ends before its time.
DWORD MillisecondsFor(std::int64_t microseconds) {
  if (microseconds <= 0) return 0;
  const std::int64_t milliseconds =
      (microseconds + kMicrosecondsPerMillisecond - 1) / kMicrosecondsPerMillisecond;
  // INFINITE itself is no length of time.
  return milliseconds >= INFINITE ? INFINITE - 1 : static_cast<DWORD>(milliseconds);
}

}  // namespace

WindowAnsweringWait::WindowAnsweringWait(MonotonicClock& clock, WriteWait& wait)
    : clock_(clock), wait_(wait), lastLook_(clock.Microseconds()) {}

WaitEnd WindowAnsweringWait::Until(HANDLE object, std::int64_t deadline) {
  for (;;) {
    const std::int64_t now = clock_.Microseconds();
    if (deadline != kNoDeadline && now >= deadline) return WaitEnd::TimedOut;
    const DWORD left = deadline == kNoDeadline ? INFINITE : MillisecondsFor(deadline - now);
    const std::int64_t sinceLook = now - lastLook_;
    if (sinceLook < kLookIntervalMicroseconds) {
      const DWORD slice = MillisecondsFor(kLookIntervalMicroseconds - sinceLook);
      const DWORD woken = WaitForSingleObject(object, left < slice ? left : slice);
      if (woken == WAIT_OBJECT_0) return WaitEnd::Signalled;
      if (woken != WAIT_TIMEOUT) return WaitEnd::Failed;
      continue;
    }
    const DWORD woken =
        MsgWaitForMultipleObjectsEx(1, &object, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    lastLook_ = clock_.Microseconds();
    if (woken == WAIT_OBJECT_0) return WaitEnd::Signalled;
    if (woken == WAIT_OBJECT_0 + 1) {
      if (!wait_.MessagesArrived()) return WaitEnd::Cancelled;
      lastLook_ = clock_.Microseconds();
    } else if (woken != WAIT_TIMEOUT) {
      return WaitEnd::Failed;
    }
  }
}

std::int64_t DeadlineAfter(MonotonicClock& clock, int timeoutMilliseconds) {
  const std::int64_t span =
      timeoutMilliseconds > 0 ? std::int64_t{timeoutMilliseconds} * kMicrosecondsPerMillisecond : 0;
  return clock.Microseconds() + span;
}

}  // namespace morvane::platform::win32
