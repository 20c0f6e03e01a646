#include "net/http_message.h"

namespace morvane::net {
namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr int kBitsPerHexDigit = 4;

}  // namespace

std::string IppPostHead(std::string_view path, std::string_view host,
                        std::optional<std::uint64_t> contentLength) {
  std::string head = "POST " + std::string(path) + " HTTP/1.1" + kLineEnd;
  head += "Host: " + std::string(host) + kLineEnd;
  head += std::string("Content-Type: application/ipp") + kLineEnd;
  if (contentLength) {
    head += "Content-Length: " + std::to_string(*contentLength) + kLineEnd;
  } else {
    head += std::string("Transfer-Encoding: chunked") + kLineEnd;
  }
  head += kLineEnd;
  return head;
}

std::string ChunkHead(std::size_t size) {
  std::string digits;
  do {
    digits.insert(digits.begin(), kHexDigits[size & 0xF]);
    size >>= kBitsPerHexDigit;
  } while (size != 0);
  return digits + kLineEnd;
}

void AppendChunk(std::string& out, std::string_view bytes) {
  if (bytes.empty()) return;
  out += ChunkHead(bytes.size());
  out += bytes;
  out += kChunkEnd;
}

}  // namespace morvane::net
