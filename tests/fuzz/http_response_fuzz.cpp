// The HTTP answer's reader takes any bytes in pieces of any size without
// fault, its body stays within its bound, and the pieces do not change what
// it reads.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "net/http_response.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using morvane::net::HttpResponseReader;
  if (size == 0) return 0;
  // The first byte gives the size of the pieces, the rest is the answer.
  const std::size_t piece = 1 + data[0] % 16;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  HttpResponseReader whole;
  whole.Take(bytes);
  whole.Closed();
  HttpResponseReader pieces;
  for (std::size_t at = 0; at < bytes.size(); at += piece) pieces.Take(bytes.substr(at, piece));
  pieces.Closed();

  if (whole.state() != pieces.state()) std::abort();
  if (whole.state() == HttpResponseReader::State::Reading) std::abort();
  if (whole.state() == HttpResponseReader::State::Complete) {
    if (whole.status() != pieces.status() || whole.body() != pieces.body()) std::abort();
    if (whole.status() < 200 || whole.status() > 999) std::abort();
    if (whole.body().size() > (1u << 20)) std::abort();
  }
  return 0;
}
