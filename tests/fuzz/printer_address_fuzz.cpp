// The address parser takes any text without fault, and what it takes as an
// address comes back the same from its canonical text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "net/printer_address.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace morvane::net;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const PrinterTarget target = ParsePrinterTarget(text);
  if (text.find("://") == std::string::npos && target.kind != TargetKind::PrinterName) std::abort();
  if (target.kind != TargetKind::Address) return 0;

  const PrinterAddress& address = target.address;
  if (address.port == 0 || address.host.text.empty()) std::abort();
  const std::string canonical = AddressText(address);
  for (char c : canonical) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte <= ' ' || byte >= 0x7F) std::abort();
  }
  const PrinterTarget again = ParsePrinterTarget(canonical);
  if (again.kind != TargetKind::Address || !(again.address == address)) std::abort();
  if (AddressText(again.address) != canonical) std::abort();
  if (HttpHost(address).empty()) std::abort();
  return 0;
}
