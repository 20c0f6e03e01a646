#include "platform/win32/long_path.h"

#include <windows.h>

#include "platform/win32/wide_names.h"

namespace morvane::platform::win32 {
namespace {

constexpr wchar_t kExtendedPrefix[] = L"\\\\?\\";
constexpr wchar_t kExtendedUncPrefix[] = L"\\\\?\\UNC\\";
constexpr wchar_t kUncPrefix[] = L"\\\\";

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
  return text.rfind(prefix, 0) == 0;
}

}  // namespace

std::wstring FullPath(const std::wstring& path) {
  const DWORD needed = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return {};
  std::wstring full(needed, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), needed, full.data(), nullptr);
  if (length == 0 || length >= needed) return {};
  full.resize(length);
  return full;
}

bool NeedsExtendedLength(const std::string& path) { return path.size() >= MAX_PATH; }

std::wstring ExtendedLengthPath(const std::string& path) {
  std::wstring wide = WideFromName(path);
  if (wide.empty()) return {};
  if (StartsWith(wide, kExtendedPrefix)) return wide;
  std::wstring full = FullPath(wide);
  if (full.empty()) return {};
  if (StartsWith(full, kExtendedPrefix)) return full;
  if (StartsWith(full, kUncPrefix)) return kExtendedUncPrefix + full.substr(2);
  return kExtendedPrefix + full;
}

std::wstring WidePath(const std::string& path) {
  std::wstring wide = WideFromName(path);
  return wide.size() >= MAX_PATH ? ExtendedLengthPath(path) : wide;
}

}  // namespace morvane::platform::win32
