#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace morvane::net {

// Reads one HTTP/1.1 response as its bytes arrive, in pieces of any size:
// the status line, the headers, and a body framed by Content-Length, by
// chunked transfer or by the close of the connection (RFC 9112). Interim
// responses (1xx) are passed over. The head and the body are bounded; what
// goes past a bound, or breaks the framing, makes the response malformed.
class HttpResponseReader {
 public:
  enum class State { Reading, Complete, Malformed };

  // Takes the bytes that arrived next; bytes after a complete response are
  // not looked at.
  State Take(std::string_view bytes);
  // The other end closed the connection: a body that runs until then is
  // complete, any other response not yet complete is malformed.
  State Closed();

  State state() const { return state_; }
  // The status code, once the status line of the final response was read.
  int status() const { return status_; }
  const std::string& body() const { return body_; }

 private:
  enum class Part {
    StatusLine,
    Header,
    Body,
    ChunkSize,
    ChunkData,
    ChunkDataEnd,
    Trailer,
    ToClose
  };

  // Each handles one line of the head (without its line end).
  bool StatusLine(std::string_view line);
  bool HeaderLine(std::string_view line);
  bool ChunkSizeLine(std::string_view line);
  bool EndOfHead();
  bool AddToBody(std::string_view bytes);

  State state_ = State::Reading;
  Part part_ = Part::StatusLine;
  std::string line_;
  std::size_t headBytes_ = 0;
  std::size_t headerLines_ = 0;
  int status_ = 0;
  bool chunked_ = false;
  bool hasLength_ = false;
  std::uint64_t remaining_ = 0;
  std::string body_;
};

}  // namespace morvane::net
