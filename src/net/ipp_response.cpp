#include "net/ipp_response.h"

#include <cstddef>

#include "net/bounded_text.h"
#include "net/ipp_tags.h"

namespace morvane::net {
namespace {

namespace tags = ipp_tags;

constexpr std::uint16_t kFirstUnsuccessfulStatus = 0x0100;
constexpr std::size_t kHeaderSize = 8;
constexpr std::size_t kIntegerSize = 4;
// text(MAX) and keyword(MAX) of RFC 8011 5.1.
constexpr std::size_t kMaxTextOctets = 1023;
constexpr std::size_t kMaxKeywordOctets = 255;
constexpr std::size_t kMaxReasons = 32;

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}

  bool Byte(std::uint8_t& value) {
    if (bytes_.size() - at_ < 1) return false;
    value = static_cast<std::uint8_t>(bytes_[at_++]);
    return true;
  }
  bool Short(std::uint16_t& value) {
    std::uint8_t high = 0;
    std::uint8_t low = 0;
    if (bytes_.size() - at_ < 2) return false;
    Byte(high);
    Byte(low);
    value = static_cast<std::uint16_t>((high << 8) | low);
    return true;
  }
  bool Int(std::uint32_t& value) {
    std::uint16_t high = 0;
    std::uint16_t low = 0;
    if (bytes_.size() - at_ < 4) return false;
    Short(high);
    Short(low);
    value = (static_cast<std::uint32_t>(high) << 16) | low;
    return true;
  }
  // A two-octet length and that many octets.
  bool Counted(std::string_view& value) {
    std::uint16_t length = 0;
    if (!Short(length) || bytes_.size() - at_ < length) return false;
    value = bytes_.substr(at_, length);
    at_ += length;
    return true;
  }

 private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

// A text's value: textWithoutLanguage as it is, textWithLanguage as its
// language and its text, each with a length of its own (RFC 8010 3.9).
std::optional<std::string_view> TextOf(std::uint8_t tag, std::string_view value) {
  if (tag == tags::kTextWithoutLanguage) return value;
  if (tag != tags::kTextWithLanguage) return std::nullopt;
  Reader inner(value);
  std::string_view language;
  std::string_view text;
  if (!inner.Counted(language) || !inner.Counted(text)) return std::nullopt;
  return text;
}

bool IsInteger(std::uint8_t tag) { return tag == tags::kInteger || tag == tags::kEnum; }

std::int32_t IntegerOf(std::string_view value) {
  Reader inner(value);
  std::uint32_t raw = 0;
  inner.Int(raw);
  return static_cast<std::int32_t>(raw);
}

}  // namespace

bool IppSucceeded(std::uint16_t status) { return status < kFirstUnsuccessfulStatus; }

std::optional<IppResponse> DecodeIppResponse(std::string_view body) {
  if (body.size() < kHeaderSize) return std::nullopt;
  Reader reader(body);
  IppResponse response;
  reader.Byte(response.versionMajor);
  reader.Byte(response.versionMinor);
  reader.Short(response.status);
  reader.Int(response.requestId);

  std::uint8_t group = 0;
  std::string attribute;
  // Every value takes at least five octets of a finite body: the loop ends.
  for (;;) {
    std::uint8_t tag = 0;
    if (!reader.Byte(tag)) return std::nullopt;
    if (tag == tags::kEndOfAttributes) return response;
    if (tag < tags::kFirstValueTag) {
      if (tag == 0) return std::nullopt;
      group = tag;
      attribute.clear();
      continue;
    }
    std::string_view name;
    std::string_view value;
    if (!reader.Counted(name) || !reader.Counted(value)) return std::nullopt;
    if (name.empty()) {
      // An additional value of the attribute before it.
      if (attribute.empty()) return std::nullopt;
    } else {
      attribute = std::string(name);
    }
    if (IsInteger(tag) && value.size() != kIntegerSize) return std::nullopt;

    if (group == tags::kOperationGroup && attribute == "status-message" && !name.empty()) {
      if (const auto text = TextOf(tag, value))
        response.statusMessage = BoundedText(*text, kMaxTextOctets);
    } else if (group == tags::kJobGroup) {
      if (attribute == "job-id" && IsInteger(tag)) {
        response.jobId = IntegerOf(value);
      } else if (attribute == "job-state" && IsInteger(tag)) {
        response.jobState = IntegerOf(value);
      } else if (attribute == "job-state-reasons" && tag == tags::kKeyword) {
        // A second job-state-reasons attribute replaces the first.
        if (!name.empty()) response.jobStateReasons.clear();
        if (response.jobStateReasons.size() < kMaxReasons) {
          response.jobStateReasons.push_back(BoundedText(value, kMaxKeywordOctets));
        }
      } else if (attribute == "job-state-message" && !name.empty()) {
        if (const auto text = TextOf(tag, value)) {
          response.jobStateMessage = BoundedText(*text, kMaxTextOctets);
        }
      }
    }
  }
}

}  // namespace morvane::net
