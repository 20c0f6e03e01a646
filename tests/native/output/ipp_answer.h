#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane::testing {

// An IPP printer's HTTP answer (RFC 8010): the status, and of the job its id,
// state and reasons when it has an id.
inline std::string IppAnswer(std::uint16_t status, std::int32_t jobId = 0, std::int32_t state = 0,
                             const std::vector<std::string>& reasons = {}) {
  auto twoOctets = [](std::size_t value) {
    return std::string{static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
  };
  auto attribute = [&](char tag, const std::string& name, const std::string& value) {
    return std::string(1, tag) + twoOctets(name.size()) + name + twoOctets(value.size()) + value;
  };
  auto integer = [](std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    return std::string{static_cast<char>(bits >> 24), static_cast<char>((bits >> 16) & 0xFF),
                       static_cast<char>((bits >> 8) & 0xFF), static_cast<char>(bits & 0xFF)};
  };
  std::string body = "\x01\x01" + twoOctets(status) + integer(1) + "\x01";
  body += attribute('\x47', "attributes-charset", "utf-8");
  body += attribute('\x48', "attributes-natural-language", "en");
  if (jobId != 0) {
    body += '\x02';
    body += attribute('\x21', "job-id", integer(jobId));
    body += attribute('\x23', "job-state", integer(state));
    for (std::size_t i = 0; i < reasons.size(); ++i) {
      body += attribute('\x44', i == 0 ? "job-state-reasons" : "", reasons[i]);
    }
  }
  body += '\x03';
  return "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\n\r\n" + body;
}

}  // namespace morvane::testing
