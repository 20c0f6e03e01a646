#include "fakes/fake_system_info.h"

#include <utility>

namespace morvane::fakes {

void FakeSystemInfo::SetCommandLine(std::string commandLine) {
  commandLine_ = std::move(commandLine);
}

void FakeSystemInfo::SetProgramPath(std::string programPath) {
  programPath_ = std::move(programPath);
}

bool FakeSystemInfo::IsNtFamily() { return ntFamily_; }

std::string FakeSystemInfo::CommandLine() { return commandLine_; }

std::string FakeSystemInfo::ProgramPath() { return programPath_; }

}  // namespace morvane::fakes
