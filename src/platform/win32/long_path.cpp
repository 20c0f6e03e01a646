#include "platform/win32/long_path.h"

#include <windows.h>

#include "platform/win32/wide_names.h"

namespace morvane::platform::win32 {
namespace {

constexpr wchar_t kExtendedPrefix[] = L"\\\\?\\";
constexpr wchar_t kExtendedUncPrefix[] = L"\\\\?\\UNC\\";
constexpr wchar_t kUncPrefix[] = L"\\\\";

constexpr wchar_t kSeparators[] = L"\\/:";
constexpr wchar_t kSeparator = L'\\';

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
  return text.rfind(prefix, 0) == 0;
}

// An absolute path in its "\\?\" form.
std::wstring Prefixed(const std::wstring& full) {
  if (StartsWith(full, kExtendedPrefix)) return full;
  if (StartsWith(full, kUncPrefix)) return kExtendedUncPrefix + full.substr(2);
  return kExtendedPrefix + full;
}

// The system's normalisation would change the name: it ends in a dot or a
// space, and is no "." or "..".
bool EndsAsNormalisedAway(const std::wstring& wide) {
  const std::size_t separator = wide.find_last_of(kSeparators);
  const std::wstring name = separator == std::wstring::npos ? wide : wide.substr(separator + 1);
  if (name.empty() || name == L"." || name == L"..") return false;
  return name.back() == L'.' || name.back() == L' ';
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
  return Prefixed(full);
}

std::wstring ExactPath(const std::string& path) {
  std::wstring wide = WideFromName(path);
  if (wide.empty()) return {};
  if (StartsWith(wide, kExtendedPrefix)) return wide;
  const std::size_t separator = wide.find_last_of(kSeparators);
  const std::wstring name = separator == std::wstring::npos ? wide : wide.substr(separator + 1);
  std::wstring folder =
      FullPath(separator == std::wstring::npos ? L"." : wide.substr(0, separator + 1));
  if (folder.empty() || name.empty()) return {};
  if (folder.back() != kSeparator) folder += kSeparator;
  return Prefixed(folder + name);
}

std::wstring WidePath(const std::string& path) {
  std::wstring wide = WideFromName(path);
  if (EndsAsNormalisedAway(wide)) return ExactPath(path);
  return wide.size() >= MAX_PATH ? ExtendedLengthPath(path) : wide;
}

}  // namespace morvane::platform::win32
