#include "platform/win32/win32_system_folders.h"

#include <windows.h>

#include <array>

namespace morvane::platform::win32 {
namespace {

constexpr UINT kFolderBufferSize = MAX_PATH + 1;

using FolderFunction = UINT(WINAPI*)(LPSTR buffer, UINT size);

std::string ReadFolder(FolderFunction read) {
  std::array<char, kFolderBufferSize> buffer{};
  read(buffer.data(), kFolderBufferSize);
  // A failed call leaves the buffer as it was: empty.
  return buffer.data();
}

}  // namespace

std::string Win32SystemFolders::WindowsDirectory() { return ReadFolder(GetWindowsDirectoryA); }

std::string Win32SystemFolders::SystemDirectory() { return ReadFolder(GetSystemDirectoryA); }

}  // namespace morvane::platform::win32
