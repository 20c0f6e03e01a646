#include "net/host_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "net/ascii_chars.h"

namespace morvane::net {
namespace {

constexpr std::size_t kMaxNameLength = 253;
constexpr std::size_t kMaxLabelLength = 63;
constexpr std::size_t kMaxZoneLength = 32;
constexpr std::size_t kIpv4Parts = 4;
constexpr int kMaxIpv4Part = 255;
constexpr std::size_t kMaxIpv4PartDigits = 3;
constexpr std::size_t kIpv6Groups = 8;
constexpr std::size_t kMaxGroupDigits = 4;
constexpr char kZoneMark[] = "%25";
constexpr char kHexDigits[] = "0123456789abcdef";

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (;;) {
    const std::size_t at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

// Four decimal parts of 0 to 255; a leading zero is refused, since some
// readers take it for an octal number.
std::optional<std::array<int, kIpv4Parts>> ParseIpv4(std::string_view text) {
  const std::vector<std::string_view> parts = Split(text, '.');
  if (parts.size() != kIpv4Parts) return std::nullopt;
  std::array<int, kIpv4Parts> values{};
  for (std::size_t i = 0; i < kIpv4Parts; ++i) {
    const std::string_view part = parts[i];
    if (part.empty() || part.size() > kMaxIpv4PartDigits) return std::nullopt;
    if (part.size() > 1 && part[0] == '0') return std::nullopt;
    int value = 0;
    for (char c : part) {
      if (!IsDigit(c)) return std::nullopt;
      value = value * 10 + (c - '0');
    }
    if (value > kMaxIpv4Part) return std::nullopt;
    values[i] = value;
  }
  return values;
}

// A label that a lookup would read as a number: decimal, or hexadecimal
// after "0x".
bool IsNumberLabel(std::string_view label) {
  if (label.size() >= 2 && label[0] == '0' && (label[1] == 'x' || label[1] == 'X')) {
    for (char c : label.substr(2)) {
      if (HexValue(c) < 0) return false;
    }
    return true;
  }
  for (char c : label) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

bool IsName(std::string_view text) {
  if (text.empty() || text.size() > kMaxNameLength) return false;
  const std::vector<std::string_view> labels = Split(text, '.');
  for (std::string_view label : labels) {
    if (label.empty() || label.size() > kMaxLabelLength) return false;
    if (label.front() == '-' || label.back() == '-') return false;
    for (char c : label) {
      if (!IsAlpha(c) && !IsDigit(c) && c != '-' && c != '_') return false;
    }
  }
  return !IsNumberLabel(labels.back());
}

// Groups of one to four hex digits separated by colons; the last may be an
// IPv4 address when allowed, counting for two groups. An empty text holds no
// groups.
bool ParseGroups(std::string_view text, bool ipv4Last, std::vector<std::uint16_t>& groups) {
  if (text.empty()) return true;
  const std::vector<std::string_view> parts = Split(text, ':');
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string_view part = parts[i];
    if (ipv4Last && i + 1 == parts.size() && part.find('.') != std::string_view::npos) {
      const auto ipv4 = ParseIpv4(part);
      if (!ipv4) return false;
      groups.push_back(static_cast<std::uint16_t>(((*ipv4)[0] << 8) | (*ipv4)[1]));
      groups.push_back(static_cast<std::uint16_t>(((*ipv4)[2] << 8) | (*ipv4)[3]));
      continue;
    }
    if (part.empty() || part.size() > kMaxGroupDigits) return false;
    unsigned value = 0;
    for (char c : part) {
      const int digit = HexValue(c);
      if (digit < 0) return false;
      value = value * 16 + static_cast<unsigned>(digit);
    }
    groups.push_back(static_cast<std::uint16_t>(value));
  }
  return true;
}

std::optional<std::array<std::uint16_t, kIpv6Groups>> ParseIpv6(std::string_view text) {
  std::vector<std::uint16_t> head;
  std::vector<std::uint16_t> tail;
  const std::size_t gap = text.find("::");
  if (gap == std::string_view::npos) {
    if (!ParseGroups(text, true, head) || head.size() != kIpv6Groups) return std::nullopt;
  } else {
    if (!ParseGroups(text.substr(0, gap), false, head) ||
        !ParseGroups(text.substr(gap + 2), true, tail) ||
        head.size() + tail.size() >= kIpv6Groups) {
      return std::nullopt;
    }
  }
  std::array<std::uint16_t, kIpv6Groups> groups{};
  for (std::size_t i = 0; i < head.size(); ++i) groups[i] = head[i];
  for (std::size_t i = 0; i < tail.size(); ++i) groups[kIpv6Groups - tail.size() + i] = tail[i];
  return groups;
}

void AppendHex(std::string& out, std::uint16_t value) {
  bool started = false;
  for (int shift = 12; shift >= 0; shift -= 4) {
    const unsigned digit = (value >> shift) & 0xFu;
    if (digit != 0 || started || shift == 0) {
      out += kHexDigits[digit];
      started = true;
    }
  }
}

// RFC 5952: lower case, no leading zeros, the longest run of two or more
// zero groups (the first of equal ones) as "::", and an IPv4-mapped address
// with its IPv4 part in dotted decimal.
std::string Ipv6Text(const std::array<std::uint16_t, kIpv6Groups>& groups) {
  constexpr std::size_t kMappedMarkGroup = 5;
  bool mapped = groups[kMappedMarkGroup] == 0xFFFF;
  for (std::size_t i = 0; i < kMappedMarkGroup; ++i) mapped = mapped && groups[i] == 0;
  if (mapped) {
    return "::ffff:" + std::to_string(groups[6] >> 8) + '.' + std::to_string(groups[6] & 0xFF) +
           '.' + std::to_string(groups[7] >> 8) + '.' + std::to_string(groups[7] & 0xFF);
  }
  std::size_t bestStart = kIpv6Groups;
  std::size_t bestLength = 1;
  for (std::size_t i = 0; i < kIpv6Groups;) {
    if (groups[i] != 0) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < kIpv6Groups && groups[end] == 0) ++end;
    if (end - i > bestLength) {
      bestStart = i;
      bestLength = end - i;
    }
    i = end;
  }
  std::string text;
  for (std::size_t i = 0; i < kIpv6Groups; ++i) {
    if (i == bestStart) {
      text += "::";
      i += bestLength - 1;
      continue;
    }
    if (!text.empty() && text.back() != ':') text += ':';
    AppendHex(text, groups[i]);
  }
  return text;
}

bool IsZone(std::string_view zone) {
  if (zone.empty() || zone.size() > kMaxZoneLength) return false;
  for (char c : zone) {
    if (!IsAlpha(c) && !IsDigit(c) && c != '-' && c != '.' && c != '_' && c != '~') return false;
  }
  return true;
}

}  // namespace

std::optional<Host> ParseHost(std::string_view text) {
  if (!text.empty() && text.front() == '[') {
    if (text.size() < 2 || text.back() != ']') return std::nullopt;
    std::string_view inner = text.substr(1, text.size() - 2);
    std::string_view zone;
    const std::size_t mark = inner.find('%');
    if (mark != std::string_view::npos) {
      zone = inner.substr(mark);
      if (zone.substr(0, sizeof(kZoneMark) - 1) != kZoneMark) return std::nullopt;
      zone.remove_prefix(sizeof(kZoneMark) - 1);
      if (!IsZone(zone)) return std::nullopt;
      inner = inner.substr(0, mark);
    }
    const auto groups = ParseIpv6(inner);
    if (!groups) return std::nullopt;
    std::string address = Ipv6Text(*groups);
    if (!zone.empty()) address += '%' + std::string(zone);
    return Host{HostKind::Ipv6, address};
  }
  if (ParseIpv4(text)) return Host{HostKind::Ipv4, std::string(text)};
  if (!IsName(text)) return std::nullopt;
  std::string name(text);
  for (char& c : name) c = Lower(c);
  return Host{HostKind::Name, name};
}

std::string HostInAddress(const Host& host) {
  if (host.kind != HostKind::Ipv6) return host.text;
  const std::size_t mark = host.text.find('%');
  if (mark == std::string::npos) return '[' + host.text + ']';
  return '[' + host.text.substr(0, mark) + kZoneMark + host.text.substr(mark + 1) + ']';
}

std::string HostForHttp(const Host& host) {
  if (host.kind != HostKind::Ipv6) return host.text;
  return '[' + host.text.substr(0, host.text.find('%')) + ']';
}

}  // namespace morvane::net
