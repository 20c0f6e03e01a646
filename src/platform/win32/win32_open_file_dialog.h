#pragma once

#include "platform/open_file_dialog.h"

namespace morvane::platform::win32 {

class Win32OpenFileDialog : public OpenFileDialog {
 public:
  bool Execute(WindowHandle owner, const OpenFileDialogOptions& options,
               std::vector<std::string>& paths) override;
};

}  // namespace morvane::platform::win32
