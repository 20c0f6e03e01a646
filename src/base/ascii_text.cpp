#include "base/ascii_text.h"

namespace morvane::base {

std::string FoldAsciiUpper(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return folded;
}

}  // namespace morvane::base
