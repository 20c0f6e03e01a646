#include "output/device_output.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

#include "output/copy_pacer.h"

namespace morvane::output {
namespace {

// A control string goes out in one write: through the transfer buffer when it
// fits, straight from the string when it is longer.
bool WriteControlString(platform::File& device, const ControlString& text,
                        std::array<char, kTransferBufferSize>& buffer) {
  const char* data = text.data();
  if (text.size() <= buffer.size()) {
    std::memcpy(buffer.data(), text.data(), text.size());
    data = buffer.data();
  }
  std::uint32_t written = 0;
  return device.Write(data, static_cast<std::uint32_t>(text.size()), written) &&
         written == text.size();
}

bool CopyFile(const OutputServices& services, platform::File& source, platform::File& device,
              std::array<char, kTransferBufferSize>& buffer) {
  CopyPacer pacer(services, source);
  for (;;) {
    std::uint32_t bytesRead = 0;
    if (!source.Read(buffer.data(), static_cast<std::uint32_t>(buffer.size()), bytesRead)) {
      return false;
    }
    if (bytesRead == 0) return true;
    std::uint32_t written = 0;
    if (!device.Write(buffer.data(), bytesRead, written) || written != bytesRead) return false;
    pacer.BlockSent(bytesRead);
  }
}

}  // namespace

void SendFileToDevice(const OutputServices& services, const DeviceJob& job,
                      const std::string& sourcePath, const std::string& deviceName) {
  auto warn = [&](const char* text) { services.messages.Warn(text, kOutputCaption); };

  std::unique_ptr<platform::File> source = services.files.Open(sourcePath, kSourceOpenMode);
  if (!source) {
    warn(kSourceOpenFailed);
    return;
  }
  std::unique_ptr<platform::File> device = services.files.Open(deviceName, kDeviceOpenMode);
  if (!device) {
    warn(kOutputOpenFailed);
    if (!source->Close()) warn(kProcessingFailed);
    return;
  }

  std::array<char, kTransferBufferSize> buffer;
  bool reported = false;
  auto fail = [&] {
    warn(kProcessingFailed);
    reported = true;
  };
  if (!job.init.empty() && !WriteControlString(*device, job.init, buffer)) {
    fail();
  } else {
    if (!CopyFile(services, *source, *device, buffer)) fail();
    // EXIT is attempted after a failed copy too.
    if (!job.exit.empty() && !WriteControlString(*device, job.exit, buffer)) fail();
  }

  const bool sourceClosed = source->Close();
  const bool deviceClosed = device->Close();
  if ((!sourceClosed || !deviceClosed) && !reported) warn(kProcessingFailed);
}

}  // namespace morvane::output
