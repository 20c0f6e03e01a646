#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvane::net {

// The head of the HTTP/1.1 POST that carries an IPP request to the path
// (the address's resource) on the host (HttpHost of printer_address.h), with
// Content-Type application/ipp: a body of the given length, or without one a
// chunked body (RFC 9112 7.1), as a streamed document needs.
std::string IppPostHead(std::string_view path, std::string_view host,
                        std::optional<std::uint64_t> contentLength);

// A chunked body: each piece of it as ChunkHead(size), the bytes and
// kChunkEnd; an empty piece is no chunk, since a chunk of size 0 ends the
// body. kLastChunk ends it.
std::string ChunkHead(std::size_t size);
inline constexpr char kChunkEnd[] = "\r\n";
inline constexpr char kLastChunk[] = "0\r\n\r\n";
// The bytes as one chunk, appended to out; nothing for no bytes.
void AppendChunk(std::string& out, std::string_view bytes);

}  // namespace morvane::net
