#include "net/printer_address.h"

#include <array>
#include <cstddef>
#include <optional>

#include "net/ascii_chars.h"

namespace morvane::net {
namespace {

constexpr std::size_t kMaxAddressLength = 1023;
constexpr std::size_t kMaxQueueLength = 100;
constexpr std::uint32_t kMaxPort = 65535;
constexpr std::size_t kMaxPortDigits = 5;
constexpr char kSchemeEnd[] = "://";
constexpr char kHexDigits[] = "0123456789ABCDEF";

constexpr std::uint16_t kSocketPort = 9100;
constexpr std::uint16_t kLpdPort = 515;
constexpr std::uint16_t kIppPort = 631;

struct Scheme {
  const char* name;
  PrinterProtocol protocol;
};
constexpr std::array<Scheme, 5> kSchemes = {{{"tcp", PrinterProtocol::Socket},
                                             {"socket", PrinterProtocol::Socket},
                                             {"lpd", PrinterProtocol::Lpd},
                                             {"ipp", PrinterProtocol::Ipp},
                                             {"ipps", PrinterProtocol::Ipps}}};

bool IsUnreserved(char c) {
  return IsAlpha(c) || IsDigit(c) || c == '-' || c == '.' || c == '_' || c == '~';
}
bool IsSubDelim(char c) {
  return c == '!' || c == '$' || c == '&' || c == '\'' || c == '(' || c == ')' || c == '*' ||
         c == '+' || c == ',' || c == ';' || c == '=';
}
// What a path segment holds unencoded (RFC 3986 pchar).
bool IsPathCharacter(char c) { return IsUnreserved(c) || IsSubDelim(c) || c == ':' || c == '@'; }

// The length of the scheme before "://", or 0 when the text starts with none.
std::size_t SchemeLength(std::string_view text) {
  if (text.empty() || !IsAlpha(text[0])) return 0;
  std::size_t length = 1;
  while (length < text.size() &&
         (IsAlpha(text[length]) || IsDigit(text[length]) || text[length] == '+' ||
          text[length] == '-' || text[length] == '.')) {
    ++length;
  }
  return text.substr(length, sizeof(kSchemeEnd) - 1) == kSchemeEnd ? length : 0;
}

std::optional<PrinterProtocol> ProtocolOf(std::string_view scheme) {
  std::string lower(scheme);
  for (char& c : lower) c = Lower(c);
  for (const Scheme& known : kSchemes) {
    if (lower == known.name) return known.protocol;
  }
  return std::nullopt;
}

std::optional<std::uint16_t> ParsePort(std::string_view text) {
  if (text.empty() || text.size() > kMaxPortDigits) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  }
  if (value == 0 || value > kMaxPort) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

// One path segment decoded, or none when it holds a character a segment may
// not hold unencoded, a '%' not followed by two hex digits, or an encoded
// control character.
std::optional<std::string> DecodeSegment(std::string_view segment) {
  std::string decoded;
  for (std::size_t i = 0; i < segment.size(); ++i) {
    const char c = segment[i];
    if (c != '%') {
      if (!IsPathCharacter(c)) return std::nullopt;
      decoded += c;
      continue;
    }
    if (i + 2 >= segment.size()) return std::nullopt;
    const int high = HexValue(segment[i + 1]);
    const int low = HexValue(segment[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    const auto byte = static_cast<unsigned char>(high * 16 + low);
    if (byte < 0x20 || byte == 0x7F) return std::nullopt;
    decoded += static_cast<char>(byte);
    i += 2;
  }
  return decoded;
}

// A decoded segment written as a path writes it: what a segment may hold as
// it is, the rest percent-encoded in upper-case hex (RFC 3986 6.2.2).
std::string EncodeSegment(std::string_view segment) {
  std::string encoded;
  for (char c : segment) {
    if (IsPathCharacter(c)) {
      encoded += c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      encoded += '%';
      encoded += kHexDigits[byte >> 4];
      encoded += kHexDigits[byte & 0xF];
    }
  }
  return encoded;
}

// An IPP path: "/" and one or more segments, none empty, "." or "..", in
// normalized encoding.
std::optional<std::string> NormalizePath(std::string_view path) {
  if (path.size() < 2 || path[0] != '/') return std::nullopt;
  std::string normalized;
  path.remove_prefix(1);
  for (;;) {
    const std::size_t end = path.find('/');
    const auto segment = DecodeSegment(path.substr(0, end));
    if (!segment || segment->empty() || *segment == "." || *segment == "..") return std::nullopt;
    normalized += '/' + EncodeSegment(*segment);
    if (end == std::string_view::npos) return normalized;
    path.remove_prefix(end + 1);
  }
}

// An LPD queue: one segment, decoded to printable ASCII without a blank, a
// slash or anything the protocol's command lines would take apart.
std::optional<std::string> ParseQueue(std::string_view path) {
  if (path.size() < 2 || path[0] != '/') return std::nullopt;
  auto queue = DecodeSegment(path.substr(1));
  if (!queue || queue->empty() || queue->size() > kMaxQueueLength) return std::nullopt;
  for (char c : *queue) {
    if (c <= ' ' || c > '~' || c == '/') return std::nullopt;
  }
  return queue;
}

std::optional<PrinterAddress> ParseAddress(std::string_view text, std::size_t schemeLength) {
  const auto protocol = ProtocolOf(text.substr(0, schemeLength));
  if (!protocol) return std::nullopt;
  std::string_view rest = text.substr(schemeLength + sizeof(kSchemeEnd) - 1);
  const std::size_t pathStart = rest.find('/');
  std::string_view authority = rest.substr(0, pathStart);
  const std::string_view path =
      pathStart == std::string_view::npos ? std::string_view() : rest.substr(pathStart);

  PrinterAddress address;
  address.protocol = *protocol;
  address.port = DefaultPort(*protocol);
  // The port follows the host's last colon, after an IPv6 address's bracket.
  const std::size_t bracket = authority.rfind(']');
  const std::size_t colon = authority.rfind(':');
  if (colon != std::string_view::npos && (bracket == std::string_view::npos || colon > bracket)) {
    const auto port = ParsePort(authority.substr(colon + 1));
    if (!port) return std::nullopt;
    address.port = *port;
    authority = authority.substr(0, colon);
  }
  const auto host = ParseHost(authority);
  if (!host) return std::nullopt;
  address.host = *host;

  if (*protocol == PrinterProtocol::Socket) {
    if (!path.empty()) return std::nullopt;
  } else {
    const auto resource =
        *protocol == PrinterProtocol::Lpd ? ParseQueue(path) : NormalizePath(path);
    if (!resource) return std::nullopt;
    address.resource = *resource;
  }
  return address;
}

const char* SchemeName(PrinterProtocol protocol) {
  switch (protocol) {
    case PrinterProtocol::Socket:
      return "tcp";
    case PrinterProtocol::Lpd:
      return "lpd";
    case PrinterProtocol::Ipp:
      return "ipp";
    case PrinterProtocol::Ipps:
      return "ipps";
  }
  return "tcp";
}

}  // namespace

std::uint16_t DefaultPort(PrinterProtocol protocol) {
  switch (protocol) {
    case PrinterProtocol::Socket:
      return kSocketPort;
    case PrinterProtocol::Lpd:
      return kLpdPort;
    case PrinterProtocol::Ipp:
    case PrinterProtocol::Ipps:
      return kIppPort;
  }
  return kSocketPort;
}

PrinterTarget ParsePrinterTarget(std::string_view text) {
  const std::size_t schemeLength = SchemeLength(text);
  if (schemeLength == 0) return {};
  PrinterTarget target{TargetKind::BadAddress, {}};
  if (text.size() > kMaxAddressLength) return target;
  if (const auto address = ParseAddress(text, schemeLength)) {
    target.kind = TargetKind::Address;
    target.address = *address;
  }
  return target;
}

std::string AddressText(const PrinterAddress& address) {
  std::string text = std::string(SchemeName(address.protocol)) + kSchemeEnd;
  text += HostInAddress(address.host);
  if (address.port != DefaultPort(address.protocol)) text += ':' + std::to_string(address.port);
  if (address.protocol == PrinterProtocol::Lpd) {
    text += '/' + EncodeSegment(address.resource);
  } else {
    text += address.resource;
  }
  return text;
}

std::string HttpHost(const PrinterAddress& address) {
  return HostForHttp(address.host) + ':' + std::to_string(address.port);
}

}  // namespace morvane::net
