#pragma once

#include "platform/system_info.h"

namespace morvane::platform::win32 {

class Win32SystemInfo : public SystemInfo {
 public:
  bool IsNtFamily() override;
  std::string CommandLine() override;
  std::string ProgramPath() override;
  void SuppressSystemErrorBoxes() override;
  std::string UserName() override;
  std::string ComputerName() override;
};

}  // namespace morvane::platform::win32
