#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morvane::net {

enum class HostKind { Name, Ipv4, Ipv6 };

// The host of a network printer's address.
struct Host {
  HostKind kind = HostKind::Name;
  // A name in lower case, an IPv4 address in dotted decimal, or an IPv6
  // address in its shortest form (RFC 5952) without brackets, followed by
  // '%' and its zone when it has one ("fe80::1%4"): the text a name lookup
  // takes.
  std::string text;

  bool operator==(const Host&) const = default;
};

// The host part of an address as written there, an IPv6 address in its
// brackets with a zone as "%25zone" (RFC 3986, RFC 6874). None for anything
// else: an empty or overlong name, a character no host name holds, a name
// whose last label is a number (a malformed IPv4 address, which a lookup
// would read as some address), an IPv4 part above 255 or with a leading
// zero, a malformed IPv6 address.
std::optional<Host> ParseHost(std::string_view text);

// The host as an address writes it: IPv6 in brackets, its zone as "%25zone".
std::string HostInAddress(const Host& host);

// The host as an HTTP Host header names it: as in an address, without a zone.
std::string HostForHttp(const Host& host);

}  // namespace morvane::net
