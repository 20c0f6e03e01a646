#include "platform/win32/win32_file_version_info.h"

#include <windows.h>

#include <vector>

#include "platform/win32/wide_names.h"

namespace morvane::platform::win32 {
namespace {

constexpr wchar_t kRootBlock[] = L"\\";

}  // namespace

std::uint32_t Win32FileVersionInfo::InfoSize(const std::string& path) {
  DWORD unused = 0;
  return GetFileVersionInfoSizeW(WideFromName(path).c_str(), &unused);
}

bool Win32FileVersionInfo::ReadFixedVersion(const std::string& path, std::uint32_t size,
                                            FixedFileVersion& version) {
  std::vector<std::uint8_t> block(size);
  if (!GetFileVersionInfoW(WideFromName(path).c_str(), 0, size, block.data())) return false;
  void* root = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), kRootBlock, &root, &length) || root == nullptr ||
      length < sizeof(VS_FIXEDFILEINFO)) {
    return false;
  }
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(root);
  version.mostSignificant = fixed->dwFileVersionMS;
  version.leastSignificant = fixed->dwFileVersionLS;
  return true;
}

}  // namespace morvane::platform::win32
