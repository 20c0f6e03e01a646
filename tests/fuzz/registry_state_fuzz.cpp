// The registry-state reader against a registry that answers with arbitrary
// results, sizes and bytes: it never reads past what was returned and never
// takes more than fits its buffer.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fakes/fake_registry.h"
#include "settings/registry_state.h"

namespace {

constexpr std::size_t kLongestText = 253;

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  std::uint32_t Number() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
    return value;
  }
  std::string Bytes(std::size_t count) {
    std::string bytes;
    while (count-- > 0 && at_ < size_) bytes.push_back(static_cast<char>(data_[at_++]));
    return bytes;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace morvane;
  Input input(data, size);
  fakes::FakeRegistry registry;
  if (input.Byte() % 4 != 0) {
    registry.ScriptResult(fakes::RegistryOp::OpenKey, input.Byte() % 3 == 0 ? 2 : 0);
  }
  for (int value = 0; value < 2; ++value) {
    fakes::ScriptedQuery answer;
    answer.result = input.Byte() % 3 == 0 ? fakes::kRegistryMoreData : 0;
    answer.reportedSize = input.Byte() % 2 == 0 ? input.Byte() : input.Number();
    answer.bytes = input.Bytes(input.Byte() + (input.Byte() % 2) * 256u);
    registry.ScriptQueryValue(answer);
  }

  bool extended = false;
  std::string printer = "unchanged";
  settings::ReadRegistryState(registry, extended, printer);
  if (printer != "unchanged" && printer.size() > kLongestText) std::abort();
  if (registry.OpenHandleCount() != 0) std::abort();
  return 0;
}
