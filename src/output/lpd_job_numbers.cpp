#include "output/lpd_job_numbers.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/count_text.h"
#include "net/lpd_job.h"

namespace morvane::output {
namespace {

constexpr long kSuccess = 0;
// "999" and its terminating zero, with room for a value someone else wrote.
constexpr std::uint32_t kNumberBytes = 16;

std::optional<int> ReadLastNumber(platform::Registry& registry, platform::RegistryKey key) {
  std::array<std::uint8_t, kNumberBytes> data{};
  std::uint32_t size = kNumberBytes;
  if (registry.QueryValue(key, kLpdJobNumberValueName, data.data(), size) != kSuccess ||
      size == 0 || size > kNumberBytes) {
    return std::nullopt;
  }
  return base::ParseInteger(std::string(reinterpret_cast<const char*>(data.data()), size - 1));
}

}  // namespace

int TakeLpdJobNumber(platform::Registry& registry) {
  platform::RegistryKey key = 0;
  if (registry.CreateKey(platform::RegistryRoot::CurrentUser, kProgramRegistryKeyPath,
                         platform::kKeyAllAccess, key) != kSuccess) {
    return net::NextLpdJobNumber(std::nullopt);
  }
  const int number = net::NextLpdJobNumber(ReadLastNumber(registry, key));
  const std::string text = std::to_string(number);
  registry.SetValue(key, kLpdJobNumberValueName, platform::kRegSz,
                    reinterpret_cast<const std::uint8_t*>(text.c_str()),
                    static_cast<std::uint32_t>(text.size() + 1));
  registry.CloseKey(key);
  return number;
}

}  // namespace morvane::output
