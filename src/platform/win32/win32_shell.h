#pragma once

#include "platform/shell.h"

namespace morvane::platform::win32 {

class Win32Shell : public Shell {
 public:
  void DragAcceptFiles(base::WindowHandle window, bool accept) override;
  void OpenDocument(base::WindowHandle owner, const std::string& verb, const std::string& file,
                    int showCommand) override;
  void BlockSessionEnd(base::WindowHandle window, const std::string& reason) override;
  void AllowSessionEnd(base::WindowHandle window) override;
};

}  // namespace morvane::platform::win32
