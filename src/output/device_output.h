#pragma once

#include <cstddef>
#include <string>

#include "output/control_strings.h"
#include "output/output_services.h"

namespace morvane::output {

// The file passes through one transfer buffer of this size.
inline constexpr std::size_t kTransferBufferSize = 1024;

// Ports are opened by their bare device name, for reading and writing.
inline constexpr platform::FileOpenMode kDeviceOpenMode{
    platform::FileAccess::ReadWrite, platform::ShareRead | platform::ShareWrite,
    platform::FileDisposition::CreateAlways, true};

struct DeviceJob {
  const ControlString& init;
  const ControlString& exit;
};

// Copies one file byte for byte to a port, framed by the job's INIT and EXIT
// strings. Reports every failure to the run's message sink and returns normally.
void SendFileToDevice(const OutputServices& services, const DeviceJob& job,
                      const std::string& sourcePath, const std::string& deviceName);

}  // namespace morvane::output
