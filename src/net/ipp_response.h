#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::net {

// What this program reads of an IPP response (RFC 8010 3.1.8): its header,
// the status-message of its operation attributes, and of its job attributes
// the job's id and state.
struct IppResponse {
  std::uint8_t versionMajor = 0;
  std::uint8_t versionMinor = 0;
  std::uint16_t status = 0;
  std::uint32_t requestId = 0;
  std::string statusMessage;
  std::optional<std::int32_t> jobId;
  std::optional<std::int32_t> jobState;
  std::vector<std::string> jobStateReasons;
  std::string jobStateMessage;
};

// The status codes from 0x0000 to 0x00FF are successful (RFC 8011 B.1.2).
bool IppSucceeded(std::uint16_t status);

// Decodes a response body. None when it is no well-formed response up to
// its end-of-attributes tag: too short, a length that runs past the end, an
// additional value without an attribute before it, an integer or enum of
// another size than four octets, no end tag. The texts kept are well-formed
// UTF-8 without control characters and bounded in length, as is the number
// of reasons.
std::optional<IppResponse> DecodeIppResponse(std::string_view body);

}  // namespace morvane::net
