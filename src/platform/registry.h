#pragma once

#include <cstdint>
#include <string>

namespace morvane::platform {

using RegistryKey = std::uintptr_t;

enum class RegistryRoot { CurrentUser, ClassesRoot };

// Access masks and value types, as the platform numbers them.
inline constexpr std::uint32_t kKeyRead = 0x20019;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;
inline constexpr std::uint32_t kRegSz = 1;

// Every call returns the platform's result code: 0 is success.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual long OpenKey(RegistryRoot root, const std::string& subkey, std::uint32_t access,
                       RegistryKey& key) = 0;
  // Creates the key, or opens it when it exists (no class, non-volatile, no
  // security attributes).
  virtual long CreateKey(RegistryRoot root, const std::string& subkey, std::uint32_t access,
                         RegistryKey& key) = 0;
  // size: in, the bytes offered; out, the bytes the value holds. An empty name
  // means the key's default value.
  virtual long QueryValue(RegistryKey key, const std::string& name, std::uint8_t* data,
                          std::uint32_t& size) = 0;
  virtual long SetValue(RegistryKey key, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) = 0;
  virtual long CloseKey(RegistryKey key) = 0;
};

}  // namespace morvane::platform
