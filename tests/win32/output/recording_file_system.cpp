#include "recording_file_system.h"

namespace morvane::testing {
namespace {

class RecordingDevice final : public platform::File {
 public:
  RecordingDevice(std::unique_ptr<platform::File> real, std::vector<DeviceCall>& calls)
      : real_(std::move(real)), calls_(calls) {}

  bool Read(void* buffer, std::uint32_t size, std::uint32_t& bytesRead) override {
    return real_->Read(buffer, size, bytesRead);
  }
  bool Write(const void* data, std::uint32_t size, std::uint32_t& bytesWritten) override {
    const bool ok = real_->Write(data, size, bytesWritten);
    calls_.push_back({DeviceCall::Kind::Write, size, ok});
    return ok;
  }
  std::uint64_t Size() override { return real_->Size(); }
  bool Flush() override { return real_->Flush(); }
  bool Close() override {
    const bool ok = real_->Close();
    calls_.push_back({DeviceCall::Kind::Close, 0, ok});
    return ok;
  }

 private:
  std::unique_ptr<platform::File> real_;
  std::vector<DeviceCall>& calls_;
};

}  // namespace

std::unique_ptr<platform::File> RecordingFileSystem::Open(const std::string& path,
                                                          const platform::FileOpenMode& mode,
                                                          platform::OpenFailure& failure) {
  std::unique_ptr<platform::File> file = real_.Open(path, mode, failure);
  if (!mode.device) return file;
  calls_.push_back({DeviceCall::Kind::Open, 0, file != nullptr});
  if (!file) return nullptr;
  return std::make_unique<RecordingDevice>(std::move(file), calls_);
}

}  // namespace morvane::testing
