#pragma once

#include <cstdint>
#include <string>

#include "platform/window_handle.h"

namespace morvane::platform {

// The files dropped on a window, as the shell hands them over.
using DropHandle = std::uintptr_t;

struct DropPoint {
  int x = 0;
  int y = 0;
};

class Shell {
 public:
  virtual ~Shell() = default;
  virtual void DragAcceptFiles(WindowHandle window, bool accept) = 0;
  virtual unsigned DroppedFileCount(DropHandle drop) = 0;
  // The whole name, however long.
  virtual std::string DroppedFileName(DropHandle drop, unsigned index) = 0;
  // In client coordinates of the window the files were dropped on.
  virtual DropPoint DropPointOf(DropHandle drop) = 0;
  // Releases the drop; the handle is invalid afterwards.
  virtual void FinishDrop(DropHandle drop) = 0;
  // Asks the shell to carry out verb on file (a document or an address), with
  // no parameters and no working folder; the result is not reported.
  virtual void OpenDocument(WindowHandle owner, const std::string& verb, const std::string& file,
                            int showCommand) = 0;
};

}  // namespace morvane::platform
