#pragma once

#include "platform/system_folders.h"

namespace morvane::platform::win32 {

class Win32SystemFolders : public SystemFolders {
 public:
  std::string WindowsDirectory() override;
  std::string SystemDirectory() override;
};

}  // namespace morvane::platform::win32
