#pragma once

#include <string>

#include "platform/system_info.h"

namespace morvane::fakes {

class FakeSystemInfo final : public platform::SystemInfo {
 public:
  void SetNtFamily(bool ntFamily) { ntFamily_ = ntFamily; }
  void SetCommandLine(std::string commandLine);
  void SetProgramPath(std::string programPath);

  bool IsNtFamily() override;
  std::string CommandLine() override;
  std::string ProgramPath() override;

 private:
  bool ntFamily_ = true;
  std::string commandLine_;
  std::string programPath_;
};

}  // namespace morvane::fakes
