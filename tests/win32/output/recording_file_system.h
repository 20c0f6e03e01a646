#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace morvane::testing {

// One call that reached a device the program opened.
struct DeviceCall {
  enum class Kind { Open, Write, Close };
  Kind kind;
  std::uint32_t size = 0;  // bytes asked to be written
  bool ok = false;
};

// Passes every call to the real file system and records what happened on
// the devices (opens with the device flag): which writes were tried, with
// how many bytes, and whether the system took them.
class RecordingFileSystem final : public platform::FileSystem {
 public:
  explicit RecordingFileSystem(platform::FileSystem& real) : real_(real) {}

  bool FileExists(const std::string& path) override { return real_.FileExists(path); }
  using platform::FileSystem::Open;
  std::unique_ptr<platform::File> Open(const std::string& path, const platform::FileOpenMode& mode,
                                       platform::OpenFailure& failure) override;
  bool Replace(const std::string& source, const std::string& target) override {
    return real_.Replace(source, target);
  }
  bool Delete(const std::string& path) override { return real_.Delete(path); }

  const std::vector<DeviceCall>& DeviceCalls() const { return calls_; }

 private:
  platform::FileSystem& real_;
  std::vector<DeviceCall> calls_;
};

}  // namespace morvane::testing
