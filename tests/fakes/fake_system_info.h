#pragma once

#include <string>
#include <string_view>

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
  // Reads the text as Latin-1 (the first 256 code points), the escapes as
  // the UTF-8 bytes they hold, and an uncarried character as U+FFFD.
  void SuppressSystemErrorBoxes() override { systemBoxesSuppressed_ = true; }
  bool SystemBoxesSuppressed() const { return systemBoxesSuppressed_; }
  std::string UserName() override { return userName; }
  std::string ComputerName() override { return computerName; }
  std::string userName = "jansen";
  std::string computerName = "KANTOOR-PC";

 private:
  bool ntFamily_ = true;
  bool systemBoxesSuppressed_ = false;
  std::string commandLine_;
  std::string programPath_;
};

}  // namespace morvane::fakes
