#include "platform/win32/win32_system_info.h"

#include <windows.h>

#include <vector>

namespace morvane::platform::win32 {

bool Win32SystemInfo::IsNtFamily() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (!GetVersionExA(&version)) return true;
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

std::string Win32SystemInfo::CommandLine() {
  const char* line = GetCommandLineA();
  return line ? std::string(line) : std::string();
}

std::string Win32SystemInfo::ProgramPath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace morvane::platform::win32
