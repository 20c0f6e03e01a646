#pragma once

#include "platform/registry.h"

namespace morvane::platform::win32 {

class Win32Registry : public Registry {
 public:
  long OpenKey(RegistryRoot root, const std::string& subkey, std::uint32_t access,
               RegistryKey& key) override;
  long CreateKey(RegistryRoot root, const std::string& subkey, std::uint32_t access,
                 RegistryKey& key) override;
  long QueryValue(RegistryKey key, const std::string& name, std::uint8_t* data,
                  std::uint32_t& size) override;
  long SetValue(RegistryKey key, const std::string& name, std::uint32_t type,
                const std::uint8_t* data, std::uint32_t size) override;
  long CloseKey(RegistryKey key) override;
};

}  // namespace morvane::platform::win32
