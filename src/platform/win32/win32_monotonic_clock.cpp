#include "platform/win32/win32_monotonic_clock.h"

#include <windows.h>

namespace morvane::platform::win32 {
namespace {

constexpr std::int64_t kMicrosecondsPerSecond = 1000000;

}  // namespace

Win32MonotonicClock::Win32MonotonicClock() {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  ticksPerSecond_ = frequency.QuadPart > 0 ? frequency.QuadPart : 1;
}

std::int64_t Win32MonotonicClock::Microseconds() {
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  // Whole seconds and the rest apart, so that the product cannot overflow.
  const std::int64_t seconds = counter.QuadPart / ticksPerSecond_;
  const std::int64_t rest = counter.QuadPart % ticksPerSecond_;
  return seconds * kMicrosecondsPerSecond + rest * kMicrosecondsPerSecond / ticksPerSecond_;
}

}  // namespace morvane::platform::win32
