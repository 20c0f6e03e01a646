#include "platform/win32/win32_registry.h"

#include <windows.h>

namespace morvane::platform::win32 {
namespace {

HKEY RootKey(RegistryRoot root) {
  return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_CLASSES_ROOT;
}

HKEY ToHkey(RegistryKey key) { return reinterpret_cast<HKEY>(key); }

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
  DWORD bytes = size;
  const LONG result = RegQueryValueExA(ToHkey(key), name.empty() ? nullptr : name.c_str(), nullptr,
                                       nullptr, data, &bytes);
  size = bytes;
  return result;
}

long Win32Registry::SetValue(RegistryKey key, const std::string& name, std::uint32_t type,
                             const std::uint8_t* data, std::uint32_t size) {
  return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, size);
}

long Win32Registry::CloseKey(RegistryKey key) { return RegCloseKey(ToHkey(key)); }

}  // namespace morvane::platform::win32
