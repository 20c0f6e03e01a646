#pragma once

#include <string>

#include "base/window_handle.h"

namespace morvane::platform {

class Shell {
 public:
  virtual ~Shell() = default;
  virtual void DragAcceptFiles(base::WindowHandle window, bool accept) = 0;
  // Asks the shell to carry out verb on file (a document or an address), with
  // no parameters and no working folder; the result is not reported.
  virtual void OpenDocument(base::WindowHandle owner, const std::string& verb,
                            const std::string& file, int showCommand) = 0;
  // Tells the system why the window asks it to wait before the session ends
  // (log-off, shutdown), for the user to read there; and takes that back.
  virtual void BlockSessionEnd(base::WindowHandle window, const std::string& reason) = 0;
  virtual void AllowSessionEnd(base::WindowHandle window) = 0;
};

}  // namespace morvane::platform
