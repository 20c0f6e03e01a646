#pragma once

#include <cstddef>

#include "platform/open_file_dialog.h"

namespace morvane::platform::win32 {

// The common dialog with a name buffer that grows with the selection.
class Win32OpenFileDialog : public OpenFileDialog {
 public:
  // Room for about a thousand names before the buffer has to grow.
  static constexpr std::size_t kDefaultNameBufferSize = 65520;
  explicit Win32OpenFileDialog(std::size_t initialNameBufferSize = kDefaultNameBufferSize)
      : initialNameBufferSize_(initialNameBufferSize) {}

  bool Execute(base::WindowHandle owner, const OpenFileDialogOptions& options,
               std::vector<std::string>& paths) override;

 private:
  std::size_t initialNameBufferSize_;
};

}  // namespace morvane::platform::win32
