#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "base/name_text.h"
#include "platform/win32/wide_names.h"

namespace morvane::platform::win32 {
namespace {

constexpr std::size_t kWideSize = sizeof(wchar_t);

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT;
}

HKEY ToHkey(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

// The code-page bytes of the text, when the code page holds each of its
// characters exactly (never a best-fit substitute).
bool CodePageBytesExactly(std::wstring_view wide, std::string& bytes) {
  bytes.clear();
  if (wide.empty()) return true;
  const int size = static_cast<int>(wide.size());
  const bool utf8CodePage = GetACP() == CP_UTF8;  // takes neither flag nor report
  BOOL usedDefault = FALSE;
  const DWORD flags = utf8CodePage ? 0 : WC_NO_BEST_FIT_CHARS;
  BOOL* report = utf8CodePage ? nullptr : &usedDefault;
  const int length =
      WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, nullptr, report);
  if (length <= 0) return false;
  bytes.resize(static_cast<std::size_t>(length));
  WideCharToMultiByte(CP_ACP, flags, wide.data(), size, bytes.data(), length, nullptr, report);
  return !usedDefault;
}

std::string TextFromCodePage(std::string_view bytes) {
  return NameFromWide(WideFromCodePage(bytes));
}

constexpr char kOldEscapeMark = '?';

// Texts are stored as the system's UTF-16, so that a printer named outside the
// code page is remembered as it is. Earlier versions stored them through the
// ANSI calls, each character the code page could not hold written as a '?'
// and its UTF-8 bytes. Such a value reads back as code-page characters: their
// bytes are found again and read as they were written.
std::string TextFromStored(std::wstring_view stored) {
  std::string bytes;
  if (!CodePageBytesExactly(stored, bytes)) return NameFromWide(stored);
  std::string text;
  bool escaped = false;
  std::size_t plain = 0;  // where the bytes since the last escape start
  for (std::size_t at = bytes.find(kOldEscapeMark); at != std::string::npos;
       at = bytes.find(kOldEscapeMark, at)) {
    const std::size_t character = base::Utf8LengthAt(bytes, at + 1);
    if (character == 0) {
      ++at;
      continue;
    }
    text += TextFromCodePage(std::string_view(bytes).substr(plain, at - plain));
    text += bytes.substr(at + 1, character);
    at += 1 + character;
    plain = at;
    escaped = true;
  }
  if (!escaped) return NameFromWide(stored);
  return text + TextFromCodePage(std::string_view(bytes).substr(plain));
}

// The value's name for the wide calls; null for the key's default value.
const wchar_t* ValueName(const std::wstring& wide) { return wide.empty() ? nullptr : wide.c_str(); }

}  // namespace

long Win32Registry::OpenKey(RegistryRoot root, const std::string& subkey, std::uint32_t access,
                            RegistryKey& key) {
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExA(RootKey(root), subkey.c_str(), 0, access, &opened);
  key = reinterpret_cast<RegistryKey>(opened);
  return result;
}

long Win32Registry::CreateKey(RegistryRoot root, const std::string& subkey, std::uint32_t access,
                              RegistryKey& key) {
  HKEY created = nullptr;
  DWORD disposition = 0;
  const LONG result = RegCreateKeyExA(RootKey(root), subkey.c_str(), 0, nullptr, 0, access, nullptr,
                                      &created, &disposition);
  key = reinterpret_cast<RegistryKey>(created);
  return result;
}

long Win32Registry::QueryValue(RegistryKey key, const std::string& name, std::uint8_t* data,
                               std::uint32_t& size) {
  const std::wstring wideName = WideFromName(name);
  DWORD type = 0;
  DWORD bytes = 0;
  LONG result = RegQueryValueExW(ToHkey(key), ValueName(wideName), nullptr, &type, nullptr, &bytes);
  if (result != ERROR_SUCCESS) return result;
  if (!IsText(type)) {
    bytes = size;
    result = RegQueryValueExW(ToHkey(key), ValueName(wideName), nullptr, nullptr, data, &bytes);
    size = bytes;
    return result;
  }
  std::wstring stored(bytes / kWideSize + 1, L'\0');
  const std::size_t storedBytes = stored.size() * kWideSize;
  bytes = static_cast<DWORD>(storedBytes);
  result = RegQueryValueExW(ToHkey(key), ValueName(wideName), nullptr, nullptr,
                            reinterpret_cast<BYTE*>(stored.data()), &bytes);
  if (result != ERROR_SUCCESS) return result;
  stored.resize(bytes / kWideSize);
  while (!stored.empty() && stored.back() == L'\0') stored.pop_back();
  const std::string text = TextFromStored(stored) + '\0';
  const std::uint32_t offered = size;
  size = static_cast<std::uint32_t>(text.size());
  if (!data) return ERROR_SUCCESS;
  if (offered < size) return ERROR_MORE_DATA;
  std::copy(text.begin(), text.end(), data);
  return ERROR_SUCCESS;
}

long Win32Registry::SetValue(RegistryKey key, const std::string& name, std::uint32_t type,
                             const std::uint8_t* data, std::uint32_t size) {
  const std::wstring wideName = WideFromName(name);
  if (!IsText(type) || !data) {
    return RegSetValueExW(ToHkey(key), wideName.c_str(), 0, type, data, size);
  }
  // Up to the terminating zero, which the wide text gets again.
  const auto* bytes = reinterpret_cast<const char*>(data);
  const std::wstring text = WideFromName(std::string_view(bytes, strnlen(bytes, size)));
  const std::size_t textBytes = (text.size() + 1) * kWideSize;
  return RegSetValueExW(ToHkey(key), wideName.c_str(), 0, type,
                        reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(textBytes));
}

long Win32Registry::CloseKey(RegistryKey key) { return RegCloseKey(ToHkey(key)); }

}  // namespace morvane::platform::win32
