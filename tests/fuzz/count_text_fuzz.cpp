// The conversion of count texts (the count field and the count cells) agrees
// with a plain reading of a signed decimal number within 32 bits.
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "base/count_text.h"
#include "output/job_list.h"
#include "ui/spin_edit.h"

namespace {

std::optional<int> Reference(const std::string& text) {
  std::size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return std::nullopt;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > 1LL << 32) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace morvane;
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (base::ParseInteger(text) != Reference(text)) std::abort();
  if (output::CountFromText(text) != Reference(text).value_or(1)) std::abort();

  ui::SpinEdit edit(nullptr, "AantalEdit", 1, 999999);
  edit.TextChangedByUser(text);
  edit.FocusLost();
  const int value = edit.Value();
  if (value < 1 || value > 999999) std::abort();
  return 0;
}
