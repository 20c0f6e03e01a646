#include "base/name_text.h"

namespace morvane::base {
namespace {

// Well-formed UTF-8 of two to four bytes: the lead bytes, the range of the
// byte after each (narrower for a few leads: no overlong forms, no surrogate
// halves, nothing beyond U+10FFFF), and how many bytes follow the lead.
struct Sequence {
  unsigned char leadFirst;
  unsigned char leadLast;
  unsigned char nextFirst;
  unsigned char nextLast;
  std::size_t following;
};

constexpr unsigned char kContinuationFirst = 0x80;
constexpr unsigned char kContinuationLast = 0xBF;

constexpr Sequence kSequences[] = {
    {0xC2, 0xDF, 0x80, 0xBF, 1}, {0xE0, 0xE0, 0xA0, 0xBF, 2}, {0xE1, 0xEC, 0x80, 0xBF, 2},
    {0xED, 0xED, 0x80, 0x9F, 2}, {0xEE, 0xEF, 0x80, 0xBF, 2}, {0xF0, 0xF0, 0x90, 0xBF, 3},
    {0xF1, 0xF3, 0x80, 0xBF, 3}, {0xF4, 0xF4, 0x80, 0x8F, 3},
};

bool InRange(char c, unsigned char first, unsigned char last) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= first && byte <= last;
}

}  // namespace

// The length of the well-formed UTF-8 character at position at, or 0.
std::size_t Utf8LengthAt(std::string_view text, std::size_t at) {
  if (at >= text.size()) return 0;
  for (const Sequence& sequence : kSequences) {
    if (!InRange(text[at], sequence.leadFirst, sequence.leadLast)) continue;
    const std::size_t length = 1 + sequence.following;
    if (at + length > text.size()) return 0;
    if (!InRange(text[at + 1], sequence.nextFirst, sequence.nextLast)) return 0;
    for (std::size_t i = at + 2; i < at + length; ++i) {
      if (!InRange(text[i], kContinuationFirst, kContinuationLast)) return 0;
    }
    return length;
  }
  return 0;
}

bool HoldsUncarriedCharacter(std::string_view name) {
  return name.find(kUncarriedCharacter) != std::string_view::npos;
}

std::size_t LastCharacterStart(std::string_view text) {
  std::size_t last = text.size();
  for (std::size_t at = 0; at < text.size();) {
    last = at;
    const std::size_t length = Utf8LengthAt(text, at);
    at += length != 0 ? length : 1;
  }
  return last;
}

std::string WellFormedUtf8(std::string_view text) {
  constexpr char kReplacement[] = "\xEF\xBF\xBD";
  constexpr unsigned char kFirstNonAscii = 0x80;
  std::string utf8;
  utf8.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = Utf8LengthAt(text, at);
    if (length != 0) {
      utf8 += text.substr(at, length);
      at += length;
    } else if (static_cast<unsigned char>(text[at]) < kFirstNonAscii &&
               text.substr(at, 2) != kUncarriedCharacter) {
      utf8 += text[at++];
    } else {
      utf8 += kReplacement;
      at += text.substr(at, 2) == kUncarriedCharacter ? 2 : 1;
    }
  }
  return utf8;
}

}  // namespace morvane::base
