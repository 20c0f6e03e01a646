#include "net/http_response.h"

#include <algorithm>

#include "net/ascii_chars.h"

namespace morvane::net {
namespace {

constexpr std::size_t kMaxLineLength = 8192;
constexpr std::size_t kMaxHeadBytes = 65536;
constexpr std::size_t kMaxHeaderLines = 100;
// An IPP answer is small; a bigger body is no answer of a printer.
constexpr std::uint64_t kMaxBodyBytes = 1u << 20;
constexpr std::size_t kMaxChunkSizeDigits = 8;
constexpr std::size_t kMaxLengthDigits = 19;
constexpr char kVersionPrefix[] = "HTTP/1.";
constexpr std::size_t kStatusDigits = 3;
constexpr int kFirstFinalStatus = 200;
constexpr int kNoContent = 204;
constexpr int kNotModified = 304;

std::string LowerText(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = Lower(c);
  return lower;
}
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}
// RFC 9110 token characters, of which a header's name is made.
bool IsTokenCharacter(char c) {
  if (IsDigit(c) || (Lower(c) >= 'a' && Lower(c) <= 'z')) return true;
  return std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

}  // namespace

HttpResponseReader::State HttpResponseReader::Take(std::string_view bytes) {
  while (state_ == State::Reading && !bytes.empty()) {
    if (part_ == Part::Body || part_ == Part::ChunkData || part_ == Part::ToClose) {
      std::size_t count = bytes.size();
      if (part_ != Part::ToClose)
        count = static_cast<std::size_t>(std::min<std::uint64_t>(count, remaining_));
      if (!AddToBody(bytes.substr(0, count))) break;
      bytes.remove_prefix(count);
      if (part_ == Part::ToClose) continue;
      remaining_ -= count;
      if (remaining_ == 0) {
        if (part_ == Part::Body) {
          state_ = State::Complete;
        } else {
          part_ = Part::ChunkDataEnd;
        }
      }
      continue;
    }
    // A line of the head, of a chunk's size or of the trailer. A line may
    // end in LF alone (RFC 9112 2.2).
    const std::size_t end = bytes.find('\n');
    const std::size_t count = end == std::string_view::npos ? bytes.size() : end;
    if (line_.size() + count > kMaxLineLength) {
      state_ = State::Malformed;
      break;
    }
    line_.append(bytes.substr(0, count));
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
    std::string_view line = line_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    bool fine = false;
    switch (part_) {
      case Part::StatusLine:
        fine = StatusLine(line);
        break;
      case Part::Header:
        fine = HeaderLine(line);
        break;
      case Part::ChunkSize:
        fine = ChunkSizeLine(line);
        break;
      case Part::ChunkDataEnd:
        fine = line.empty();
        part_ = Part::ChunkSize;
        break;
      case Part::Trailer:
        // Trailer fields are not looked at; their end is the response's.
        fine = ++headerLines_ <= kMaxHeaderLines;
        if (line.empty()) state_ = State::Complete;
        break;
      default:
        break;
    }
    line_.clear();
    if (!fine) state_ = State::Malformed;
  }
  return state_;
}

HttpResponseReader::State HttpResponseReader::Closed() {
  if (state_ == State::Reading)
    state_ = part_ == Part::ToClose ? State::Complete : State::Malformed;
  return state_;
}

bool HttpResponseReader::StatusLine(std::string_view line) {
  headBytes_ += line.size();
  const std::size_t prefix = sizeof(kVersionPrefix) - 1;
  if (line.substr(0, prefix) != kVersionPrefix || line.size() < prefix + 2 + kStatusDigits ||
      !IsDigit(line[prefix]) || line[prefix + 1] != ' ') {
    return false;
  }
  const std::string_view code = line.substr(prefix + 2, kStatusDigits);
  if (!std::all_of(code.begin(), code.end(), IsDigit)) return false;
  if (line.size() > prefix + 2 + kStatusDigits && line[prefix + 2 + kStatusDigits] != ' ') {
    return false;
  }
  status_ = (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
  part_ = Part::Header;
  return true;
}

bool HttpResponseReader::HeaderLine(std::string_view line) {
  headBytes_ += line.size();
  if (headBytes_ > kMaxHeadBytes || ++headerLines_ > kMaxHeaderLines) return false;
  if (line.empty()) return EndOfHead();
  // A folded line (a line that starts with a blank) is refused.
  const std::size_t colon = line.find(':');
  if (colon == 0 || colon == std::string_view::npos) return false;
  const std::string_view name = line.substr(0, colon);
  if (!std::all_of(name.begin(), name.end(), IsTokenCharacter)) return false;
  const std::string_view value = Trimmed(line.substr(colon + 1));
  const std::string field = LowerText(name);
  if (status_ < kFirstFinalStatus) return true;
  if (field == "content-length") {
    if (value.empty() || value.size() > kMaxLengthDigits ||
        !std::all_of(value.begin(), value.end(), IsDigit)) {
      return false;
    }
    std::uint64_t length = 0;
    for (char c : value) length = length * 10 + static_cast<std::uint64_t>(c - '0');
    // The same length given twice is one length; two lengths are none.
    if (hasLength_ && length != remaining_) return false;
    hasLength_ = true;
    remaining_ = length;
  } else if (field == "transfer-encoding") {
    // Only chunked is decoded, and given once.
    if (chunked_ || LowerText(value) != "chunked") return false;
    chunked_ = true;
  }
  return true;
}

bool HttpResponseReader::EndOfHead() {
  if (status_ < kFirstFinalStatus) {
    // An interim response: the final one follows.
    part_ = Part::StatusLine;
    headerLines_ = 0;
    return true;
  }
  headerLines_ = 0;
  if (chunked_ && hasLength_) return false;
  if (status_ == kNoContent || status_ == kNotModified) {
    state_ = State::Complete;
  } else if (chunked_) {
    part_ = Part::ChunkSize;
  } else if (hasLength_) {
    if (remaining_ > kMaxBodyBytes) return false;
    part_ = Part::Body;
    if (remaining_ == 0) state_ = State::Complete;
  } else {
    part_ = Part::ToClose;
  }
  return true;
}

bool HttpResponseReader::ChunkSizeLine(std::string_view line) {
  // The size in hex, then perhaps extensions after ';', which are not used.
  const std::string_view size = Trimmed(line.substr(0, line.find(';')));
  if (size.empty() || size.size() > kMaxChunkSizeDigits) return false;
  std::uint64_t value = 0;
  for (char c : size) {
    const int digit = HexValue(c);
    if (digit < 0) return false;
    value = value * 16 + static_cast<std::uint64_t>(digit);
  }
  if (value == 0) {
    part_ = Part::Trailer;
    return true;
  }
  if (body_.size() + value > kMaxBodyBytes) return false;
  remaining_ = value;
  part_ = Part::ChunkData;
  return true;
}

bool HttpResponseReader::AddToBody(std::string_view bytes) {
  if (body_.size() + bytes.size() > kMaxBodyBytes) {
    state_ = State::Malformed;
    return false;
  }
  body_.append(bytes);
  return true;
}

}  // namespace morvane::net
