#include "settings/registry_state.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace morvane::settings {

namespace {

constexpr platform::RegistryRoot kRoot = platform::RegistryRoot::CurrentUser;
constexpr char kExtendedModeOn[] = "ON";
constexpr char kExtendedModeOff[] = "OFF";
constexpr std::size_t kValueBufferSize = 255;
// One byte less than the buffer holds.
constexpr std::uint32_t kValueBytesOffered = 254;
constexpr long kSuccess = 0;

// The value's data without its last byte, the terminating zero. A value that
// doesn't fit the bytes offered counts as missing.
bool ReadTextValue(platform::Registry& registry, platform::RegistryKey key, const char* name,
                   std::string& text) {
  std::array<std::uint8_t, kValueBufferSize> buffer{};
  std::uint32_t size = kValueBytesOffered;
  if (registry.QueryValue(key, name, buffer.data(), size) != kSuccess) return false;
  // Never trust a size beyond what was offered.
  if (size > kValueBytesOffered) return false;
  const std::size_t length = size == 0 ? 0 : size - 1;
  text.assign(reinterpret_cast<const char*>(buffer.data()), length);
  return true;
}

bool WriteTextValue(platform::Registry& registry, platform::RegistryKey key, const char* name,
                    const std::string& text) {
  const auto* data = reinterpret_cast<const std::uint8_t*>(text.c_str());
  const auto size = static_cast<std::uint32_t>(text.size() + 1);
  return registry.SetValue(key, name, platform::kRegSz, data, size) == kSuccess;
}

bool WriteRegistryValues(platform::Registry& registry, bool extendedMode,
                         const std::string& printerName) {
  platform::RegistryKey key = 0;
  if (registry.OpenKey(kRoot, kRegistryKeyPath, platform::kKeySetValue, key) != kSuccess) {
    return false;
  }
  bool result = true;
  const std::string mode = extendedMode ? kExtendedModeOn : kExtendedModeOff;
  if (!WriteTextValue(registry, key, kExtendedModeValueName, mode)) result = false;
  if (!WriteTextValue(registry, key, kLastPrinterValueName, printerName)) result = false;
  registry.CloseKey(key);
  return result;
}

bool CreateRegistryKey(platform::Registry& registry) {
  platform::RegistryKey key = 0;
  if (registry.CreateKey(kRoot, kRegistryKeyPath, platform::kKeyAllAccess, key) != kSuccess) {
    return false;
  }
  registry.CloseKey(key);
  return true;
}

}  // namespace

bool ReadRegistryState(platform::Registry& registry, bool& extendedMode, std::string& printerName) {
  platform::RegistryKey key = 0;
  if (registry.OpenKey(kRoot, kRegistryKeyPath, platform::kKeyRead, key) != kSuccess) {
    return false;
  }
  bool result = true;
  std::string text;
  if (ReadTextValue(registry, key, kExtendedModeValueName, text)) {
    extendedMode = text == kExtendedModeOn;
  } else {
    result = false;
  }
  if (ReadTextValue(registry, key, kLastPrinterValueName, text)) {
    printerName = text;
  } else {
    result = false;
  }
  registry.CloseKey(key);
  return result;
}

bool WriteRegistryState(platform::Registry& registry, bool extendedMode,
                        const std::string& printerName) {
  if (WriteRegistryValues(registry, extendedMode, printerName)) return true;
  if (CreateRegistryKey(registry)) return WriteRegistryValues(registry, extendedMode, printerName);
  return false;
}

}  // namespace morvane::settings
