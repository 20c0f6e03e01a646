#pragma once

#include "platform/file_system.h"

namespace morvane::platform::win32 {

class Win32FileSystem : public FileSystem {
 public:
  bool FileExists(const std::string& path) override;
  using FileSystem::Open;
  std::unique_ptr<File> Open(const std::string& path, const FileOpenMode& mode,
                             OpenFailure& failure) override;
  bool Replace(const std::string& source, const std::string& target) override;
  bool Delete(const std::string& path) override;
};

}  // namespace morvane::platform::win32
