#pragma once

#include <string>
#include <string_view>

namespace morvane::platform {

class SystemInfo {
 public:
  virtual ~SystemInfo() = default;
  // The NT family (platform identifier 2) or the 95 family.
  virtual bool IsNtFamily() = 0;
  // The process's command line, unsplit.
  virtual std::string CommandLine() = 0;
  // The full path of the program file.
  virtual std::string ProgramPath() = 0;
  // From now on the system shows none of its own boxes for the process (a
  // drive without a disk, say): the call that met the fault fails instead.
  virtual void SuppressSystemErrorBoxes() = 0;
  // The user's logon name and this computer's name, as a print server is
  // told them; empty when the system gives none.
  virtual std::string UserName() = 0;
  virtual std::string ComputerName() = 0;
};

}  // namespace morvane::platform
