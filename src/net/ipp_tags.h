#pragma once

#include <cstdint>

// The tags of IPP's encoding (RFC 8010 3.5), shared by the request's encoder
// and the response's decoder.
namespace morvane::net::ipp_tags {

inline constexpr std::uint8_t kOperationGroup = 0x01;
inline constexpr std::uint8_t kJobGroup = 0x02;
inline constexpr std::uint8_t kEndOfAttributes = 0x03;
// Delimiter tags lie below this one, value tags from it on.
inline constexpr std::uint8_t kFirstValueTag = 0x10;
inline constexpr std::uint8_t kInteger = 0x21;
inline constexpr std::uint8_t kEnum = 0x23;
inline constexpr std::uint8_t kTextWithLanguage = 0x35;
inline constexpr std::uint8_t kTextWithoutLanguage = 0x41;
inline constexpr std::uint8_t kNameWithoutLanguage = 0x42;
inline constexpr std::uint8_t kKeyword = 0x44;
inline constexpr std::uint8_t kUri = 0x45;
inline constexpr std::uint8_t kCharset = 0x47;
inline constexpr std::uint8_t kNaturalLanguage = 0x48;
inline constexpr std::uint8_t kMimeMediaType = 0x49;

}  // namespace morvane::net::ipp_tags
