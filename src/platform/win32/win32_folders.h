#pragma once

#include "platform/folders.h"

namespace morvane::platform::win32 {

class Win32Folders final : public Folders {
 public:
  PathKind Kind(const std::string& path) override;
  std::optional<FolderIdentity> Identity(const std::string& folder) override;
  bool Make(const std::string& path) override;
  std::optional<std::vector<FolderFile>> Files(const std::string& folder) override;
  std::optional<std::uint64_t> LastWrite(const std::string& path) override;
  MoveResult Move(const std::string& from, const std::string& to, std::uint32_t& error) override;
  std::unique_ptr<FolderChanges> Watch(const std::string& folder) override;
};

}  // namespace morvane::platform::win32
