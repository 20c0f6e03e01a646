#pragma once

#include "platform/shell.h"

namespace morvane::platform::win32 {

class Win32Shell : public Shell {
 public:
  void DragAcceptFiles(WindowHandle window, bool accept) override;
  unsigned DroppedFileCount(DropHandle drop) override;
  std::string DroppedFileName(DropHandle drop, unsigned index) override;
  DropPoint DropPointOf(DropHandle drop) override;
  void FinishDrop(DropHandle drop) override;
  void OpenDocument(WindowHandle owner, const std::string& verb, const std::string& file,
                    int showCommand) override;
};

}  // namespace morvane::platform::win32
