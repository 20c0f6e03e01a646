#pragma once

#include "platform/file_version_info.h"

namespace morvane::platform::win32 {

class Win32FileVersionInfo : public FileVersionInfo {
 public:
  std::uint32_t InfoSize(const std::string& path) override;
  bool ReadFixedVersion(const std::string& path, std::uint32_t size,
                        FixedFileVersion& version) override;
};

}  // namespace morvane::platform::win32
