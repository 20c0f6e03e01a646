#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/printer_address.h"

namespace morvane::net {
namespace {

struct Good {
  std::string text;
  PrinterProtocol protocol;
  HostKind kind;
  std::string host;
  std::uint16_t port;
  std::string resource;
  std::string canonical;
};

TEST(PrinterAddress, TakesTheFourFormsWithTheirDefaultsAndWritesThemCanonically) {
  using P = PrinterProtocol;
  using K = HostKind;
  const std::vector<Good> cases = {
      {"tcp://127.0.0.5", P::Socket, K::Ipv4, "127.0.0.5", 9100, "", "tcp://127.0.0.5"},
      {"SOCKET://Label-1.Example_Lan:9101", P::Socket, K::Name, "label-1.example_lan", 9101, "",
       "tcp://label-1.example_lan:9101"},
      {"tcp://h:09100", P::Socket, K::Name, "h", 9100, "", "tcp://h"},
      {"tcp://[::]:1", P::Socket, K::Ipv6, "::", 1, "", "tcp://[::]:1"},
      {"lpd://print-server/raw%41", P::Lpd, K::Name, "print-server", 515, "rawA",
       "lpd://print-server/rawA"},
      {"lpd://127.0.1.20:65535/lp!1", P::Lpd, K::Ipv4, "127.0.1.20", 65535, "lp!1",
       "lpd://127.0.1.20:65535/lp!1"},
      {"ipp://localhost:631/printers/Office", P::Ipp, K::Name, "localhost", 631, "/printers/Office",
       "ipp://localhost/printers/Office"},
      {"ipps://[2001:DB8:0:0:0:0:0:1]:8631/ipp/print", P::Ipps, K::Ipv6, "2001:db8::1", 8631,
       "/ipp/print", "ipps://[2001:db8::1]:8631/ipp/print"},
      {"ipp://[::ffff:192.0.2.1]/a%2fb%7e%c3%a9", P::Ipp, K::Ipv6, "::ffff:192.0.2.1", 631,
       "/a%2Fb~%C3%A9", "ipp://[::ffff:192.0.2.1]/a%2Fb~%C3%A9"},
      {"tcp://[fe80::1%25eth0]", P::Socket, K::Ipv6, "fe80::1%eth0", 9100, "",
       "tcp://[fe80::1%25eth0]"},
      // RFC 5952: the longest run of zeros, the first of equal runs, no single zero.
      {"tcp://[1:0:0:2:0:0:0:3]", P::Socket, K::Ipv6, "1:0:0:2::3", 9100, "", ""},
      {"tcp://[0:0:1:0:0:1:0:0]", P::Socket, K::Ipv6, "::1:0:0:1:0:0", 9100, "", ""},
      {"tcp://[1:2:3:4:5:6:7:0]", P::Socket, K::Ipv6, "1:2:3:4:5:6:7:0", 9100, "", ""},
      {"tcp://[::1.2.3.4]", P::Socket, K::Ipv6, "::102:304", 9100, "", ""},
  };
  for (const Good& c : cases) {
    const PrinterTarget target = ParsePrinterTarget(c.text);
    ASSERT_EQ(target.kind, TargetKind::Address) << c.text;
    const PrinterAddress& a = target.address;
    EXPECT_EQ(a.protocol, c.protocol) << c.text;
    EXPECT_EQ(a.host, (Host{c.kind, c.host})) << c.text;
    EXPECT_EQ(a.port, c.port) << c.text;
    EXPECT_EQ(a.resource, c.resource) << c.text;
    if (!c.canonical.empty()) {
      EXPECT_EQ(AddressText(a), c.canonical) << c.text;
    }
    const PrinterTarget again = ParsePrinterTarget(AddressText(a));
    EXPECT_EQ(again.kind, TargetKind::Address) << c.text;
    EXPECT_EQ(again.address, a) << c.text;
  }
  const PrinterAddress zoned = ParsePrinterTarget("ipp://[FE80::1%25eth0]:8000/p").address;
  EXPECT_EQ(HttpHost(zoned), "[fe80::1]:8000");
  EXPECT_EQ(HttpHost(ParsePrinterTarget("ipp://Box/p").address), "box:631");
}

TEST(PrinterAddress, PrinterNamesAreNoAddresses) {
  for (const char* name : {"Kantoor HP", "", "\\\\server\\printer", "HP LaserJet:4", "tcp:/x",
                           "1tcp://x", " tcp://h", "C:\\prn", "tcp//h"}) {
    EXPECT_EQ(ParsePrinterTarget(name).kind, TargetKind::PrinterName) << name;
  }
}

TEST(PrinterAddress, EveryFlawMakesABadAddress) {
  const std::vector<std::string> bad = {
      // scheme, port, stray parts
      "http://h",
      "tcp://",
      "tcp://:9100",
      "tcp://h:0",
      "tcp://h:65536",
      "tcp://h:",
      "tcp://h:9x",
      "tcp://h:123456",
      "tcp://h/",
      "tcp://h/x",
      "tcp://user@h",
      "tcp://h?x",
      "tcp://h#x",
      "tcp://h ",
      "tcp://h\n",
      "tcp://h:-1",
      // names and IPv4
      "tcp://1.2.3.256",
      "tcp://01.2.3.4",
      "tcp://1.2.3",
      "tcp://123",
      "tcp://a.0x7f",
      "tcp://0x7f000001",
      "tcp://a..b",
      "tcp://a.",
      "tcp://-a.b",
      "tcp://a-.b",
      "tcp://caf\xC3\xA9",
      "tcp://a%41",
      "tcp://" + std::string(64, 'a'),
      "tcp://" + std::string(1100, 'a'),
      // IPv6
      "tcp://[1::2::3]",
      "tcp://[1:2:3:4:5:6:7:8:9]",
      "tcp://[12345::]",
      "tcp://[::1",
      "tcp://[::1]x",
      "tcp://[fe80::1%eth0]",
      "tcp://[fe80::1%25]",
      "tcp://[v1.x]",
      "tcp://[1:2:3:4:5:6:7::8]",
      "tcp://[:1::]",
      "tcp://[::1.2.3]",
      "tcp://[]",
      "tcp://::1",
      // queues
      "lpd://h",
      "lpd://h/",
      "lpd://h/a/b",
      "lpd://h/a%20b",
      "lpd://h/a%0A",
      "lpd://h/%zz",
      "lpd://h/a%2Fb",
      "lpd://h/" + std::string(101, 'q'),
      // paths
      "ipp://h",
      "ipp://h/",
      "ipp://h//x",
      "ipp://h/a/../b",
      "ipp://h/%2E%2E",
      "ipp://h/a b",
      "ipp://h/a%0d",
      "ipp://h/a%4",
      "ipp://h/a/",
      "ipps://h/\xC3\xA9",
  };
  for (const std::string& text : bad) {
    EXPECT_EQ(ParsePrinterTarget(text).kind, TargetKind::BadAddress) << text;
  }
}

}  // namespace
}  // namespace morvane::net
