#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "net/host_text.h"

namespace morvane::net {

// The ways to a network printer: a raw socket (AppSocket, "port 9100"), LPD
// (RFC 1179), IPP over HTTP (RFC 8010, 8011) and IPP over TLS.
enum class PrinterProtocol { Socket, Lpd, Ipp, Ipps };

// tcp://HOST[:PORT] or socket://HOST[:PORT], lpd://HOST[:PORT]/QUEUE,
// ipp://HOST[:PORT]/PATH, ipps://HOST[:PORT]/PATH.
struct PrinterAddress {
  PrinterProtocol protocol = PrinterProtocol::Socket;
  Host host;
  std::uint16_t port = 0;
  // LPD: the queue's name as the protocol sends it (decoded). IPP: the path
  // as HTTP sends it, percent-encoded, starting with '/'. Socket: empty.
  std::string resource;

  bool operator==(const PrinterAddress&) const = default;
};

std::uint16_t DefaultPort(PrinterProtocol protocol);

// What a text that names a printer is.
enum class TargetKind {
  // No address: the name of a Windows printer.
  PrinterName,
  Address,
  // It starts with a scheme and "://" but is no address this program takes.
  BadAddress,
};

struct PrinterTarget {
  TargetKind kind = TargetKind::PrinterName;
  // Only for TargetKind::Address.
  PrinterAddress address;
};

// Tells an address from a printer name: a text that starts with a scheme
// (RFC 3986: a letter, then letters, digits, '+', '-', '.') and "://" is an
// address, and it is taken only when whole and strictly well formed: a known
// scheme (any case), a host (host_text.h), a port of 1 to 65535 when given,
// the resource its protocol needs and nothing more (no user, query,
// fragment, blank or other stray character).
PrinterTarget ParsePrinterTarget(std::string_view text);

// The address's canonical text, for messages and to be remembered: the scheme
// in lower case (socket:// written tcp://), the host as ParseHost gives it,
// the port only when it is not the protocol's default, the resource in
// normalized percent-encoding. Parsing it gives the same address.
std::string AddressText(const PrinterAddress& address);

// "host:port" as an HTTP Host header names it.
std::string HttpHost(const PrinterAddress& address);

}  // namespace morvane::net
