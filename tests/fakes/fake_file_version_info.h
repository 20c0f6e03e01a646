#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "platform/file_version_info.h"

namespace morvane::fakes {

// Version information of files by path; a path without any has none.
class FakeFileVersionInfo final : public platform::FileVersionInfo {
 public:
  void SetFileVersion(const std::string& path, std::uint16_t major, std::uint16_t minor,
                      std::uint16_t release, std::uint16_t build);
  // The file reports no version information at all.
  void SetNoInfo(const std::string& path);
  // The information has a size, but reading it or its root block fails.
  void FailRead(const std::string& path);

  std::uint32_t InfoSize(const std::string& path) override;
  bool ReadFixedVersion(const std::string& path, std::uint32_t size,
                        platform::FixedFileVersion& version) override;

 private:
  std::map<std::string, platform::FixedFileVersion> versions_;
  std::set<std::string> failingReads_;
};

}  // namespace morvane::fakes
