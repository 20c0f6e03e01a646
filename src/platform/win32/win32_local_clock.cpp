#include "platform/win32/win32_local_clock.h"

#include <windows.h>

#include <array>

namespace morvane::platform::win32 {
namespace {

constexpr int kFormatBufferSize = 128;

}  // namespace

LocalTime Win32LocalClock::Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::string Win32LocalClock::DateTimeText() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  std::array<char, kFormatBufferSize> date{};
  std::array<char, kFormatBufferSize> time{};
  GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date.data(),
                 kFormatBufferSize);
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, time.data(), kFormatBufferSize);
  return std::string(date.data()) + ' ' + time.data();
}

}  // namespace morvane::platform::win32
