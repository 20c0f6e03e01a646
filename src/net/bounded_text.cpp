#include "net/bounded_text.h"

#include "base/name_text.h"

namespace morvane::net {
namespace {

constexpr unsigned char kFirstNonAscii = 0x80;
constexpr unsigned char kLastControlCode = 0x1F;
constexpr unsigned char kDeleteCode = 0x7F;

}  // namespace

std::string BoundedText(std::string_view text, std::size_t maxOctets) {
  std::string bounded = base::WellFormedUtf8(text);
  std::size_t end = 0;
  while (end < bounded.size()) {
    const auto byte = static_cast<unsigned char>(bounded[end]);
    const std::size_t length = byte < kFirstNonAscii ? 1 : base::Utf8LengthAt(bounded, end);
    if (length == 0 || end + length > maxOctets) break;
    if (byte <= kLastControlCode || byte == kDeleteCode) bounded[end] = ' ';
    end += length;
  }
  bounded.resize(end);
  return bounded;
}

}  // namespace morvane::net
