#pragma once

#include <string>

namespace morvane::platform {

// The folders of the Windows installation, as the platform names them (up to
// their terminating zero, a trailing backslash included when it gives one).
class SystemFolders {
 public:
  virtual ~SystemFolders() = default;
  virtual std::string WindowsDirectory() = 0;
  virtual std::string SystemDirectory() = 0;
};

}  // namespace morvane::platform
