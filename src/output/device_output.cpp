#include "output/device_output.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

#include "output/copy_pacer.h"

namespace morvane::output {
namespace {

enum class CopyEnd { Whole, Failed, Stopped };

// A control string goes out in one write: through the transfer buffer when it
// fits, straight from the string when it is longer.
bool WriteControlString(platform::File& device, const ControlString& text,
                        std::array<char, kTransferBufferSize>& buffer, CopyPacer& pacer) {
  const char* data = text.data();
  if (text.size() <= buffer.size()) {
    std::memcpy(buffer.data(), text.data(), text.size());
    data = buffer.data();
  }
  std::uint32_t written = 0;
  return device.WriteWaiting(data, static_cast<std::uint32_t>(text.size()), written, pacer) &&
         written == text.size();
}

CopyEnd CopyFile(CopyPacer& pacer, platform::File& source, platform::File& device,
                 std::array<char, kTransferBufferSize>& buffer) {
  for (;;) {
    std::uint32_t bytesRead = 0;
    if (!source.Read(buffer.data(), static_cast<std::uint32_t>(buffer.size()), bytesRead)) {
      return CopyEnd::Failed;
    }
    if (bytesRead == 0) return CopyEnd::Whole;
    std::uint32_t written = 0;
    if (!device.WriteWaiting(buffer.data(), bytesRead, written, pacer) || written != bytesRead) {
      return pacer.Stopped() ? CopyEnd::Stopped : CopyEnd::Failed;
    }
    if (!pacer.BlockSent(bytesRead)) return CopyEnd::Stopped;
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
  CopyPacer pacer(services, *source);
  bool reported = false;
  auto fail = [&] {
    warn(kProcessingFailed);
    reported = true;
  };
  // A stop cuts the copy off where it is: the user asked for it, so it is no
  // failure to report, and nothing more goes to the device, EXIT included.
  if (!job.init.empty() && !WriteControlString(*device, job.init, buffer, pacer)) {
    if (!pacer.Stopped()) fail();
  } else {
    if (CopyFile(pacer, *source, *device, buffer) == CopyEnd::Failed) fail();
    // EXIT is attempted after a failed copy too.
    if (!pacer.Stopped() && !job.exit.empty() &&
        !WriteControlString(*device, job.exit, buffer, pacer) && !pacer.Stopped()) {
      fail();
    }
  }

  const bool sourceClosed = source->Close();
  const bool deviceClosed = device->Close();
  if ((!sourceClosed || !deviceClosed) && !reported && !pacer.Stopped()) warn(kProcessingFailed);
  // The stop itself needs no word, but a port that may still be busy does.
  if (pacer.Abandoned()) services.messages.Note(kDeviceAbandoned, kOutputCaption);
}

}  // namespace morvane::output
