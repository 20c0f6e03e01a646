#pragma once

#include "platform/spooler.h"

namespace morvane::platform::win32 {

class Win32Spooler : public Spooler {
 public:
  std::unique_ptr<Printer> Open(const std::string& name, std::uint32_t& lastError) override;
  bool EnumPrinters(std::uint32_t flags, std::uint32_t level, std::uint8_t* buffer,
                    std::uint32_t size, std::uint32_t& bytesNeeded,
                    std::uint32_t& recordsReturned) override;
};

}  // namespace morvane::platform::win32
