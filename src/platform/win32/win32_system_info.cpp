#include "platform/win32/win32_system_info.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_names.h"

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

// Both names fit their buffers: a logon name holds at most 256 characters,
// a computer's name at most MAX_COMPUTERNAME_LENGTH.
std::string Win32SystemInfo::UserName() {
  constexpr DWORD kUserNameCharacters = 257;
  wchar_t buffer[kUserNameCharacters] = {};
  DWORD size = kUserNameCharacters;
  if (!GetUserNameW(buffer, &size) || size == 0) return {};
  return NameFromWide(std::wstring_view(buffer, size - 1));
}

std::string Win32SystemInfo::ComputerName() {
  wchar_t buffer[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
  if (!GetComputerNameW(buffer, &size)) return {};
  return NameFromWide(std::wstring_view(buffer, size));
}

}  // namespace morvane::platform::win32
