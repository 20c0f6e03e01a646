#include "platform/win32/win32_local_clock.h"

#include <windows.h>

#include <array>

#include "platform/win32/wide_names.h"

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
  std::array<wchar_t, kFormatBufferSize> date{};
  std::array<wchar_t, kFormatBufferSize> time{};
  GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date.data(),
                 kFormatBufferSize);
  GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, time.data(), kFormatBufferSize);
  return NameFromWide(date.data()) + ' ' + NameFromWide(time.data());
}

}  // namespace morvane::platform::win32
