#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace morvane::testing {

// What a collected test port (LPT1, COM1, COM2) receives from the moment this
// is made; the port's collector appends it to
// MORVANE_TEST_PORTS/<port>-received.bin.
class PortCapture {
 public:
  explicit PortCapture(const std::string& port);

  // Waits until at least `expected` bytes have arrived, then a moment longer
  // for any surplus, and returns all that arrived; less when the time is up.
  std::string Received(std::size_t expected, std::chrono::milliseconds timeout) const;

 private:
  std::string outPath_;
  std::uint64_t start_;
};

}  // namespace morvane::testing
