// The IPP answer's decoder takes any body without fault, and what it keeps
// stays within its bounds.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/ipp_response.h"

namespace {

bool Bounded(std::string_view text, std::size_t maxOctets) {
  if (text.size() > maxOctets) return false;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < ' ' || byte == 0x7F) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace morvane::net;
  const auto response =
      DecodeIppResponse(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!response) return 0;
  if (!Bounded(response->statusMessage, 1023) || !Bounded(response->jobStateMessage, 1023)) {
    std::abort();
  }
  if (response->jobStateReasons.size() > 32) std::abort();
  for (const auto& reason : response->jobStateReasons) {
    if (!Bounded(reason, 255)) std::abort();
  }
  return 0;
}
