#include "platform/win32/win32_system_info.h"

#include <windows.h>

#include <vector>

#include "platform/win32/ansi_names.h"

namespace morvane::platform::win32 {

void Win32SystemInfo::SuppressSystemErrorBoxes() {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

bool Win32SystemInfo::IsNtFamily() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (!GetVersionExA(&version)) return true;
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// Both come from the wide calls, so that a name the ANSI code page can't hold
// comes over whole (the ANSI calls would hand over a best-fit substitute).
std::string Win32SystemInfo::CommandLine() {
  const wchar_t* line = GetCommandLineW();
  return line ? NameFromWide(line) : std::string();
}

std::string Win32SystemInfo::ProgramPath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return NameFromWide(std::wstring_view(buffer.data(), length));
    buffer.resize(buffer.size() * 2);
  }
}

std::string Win32SystemInfo::Utf8FromText(std::string_view text) {
  const std::wstring wide = WideFromName(text);
  if (wide.empty()) return {};
  const int wideLength = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace morvane::platform::win32
