#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/window_handles.h"

namespace morvane::platform::win32 {

void Win32Shell::DragAcceptFiles(base::WindowHandle window, bool accept) {
  if (window) ::DragAcceptFiles(WindowOf(window), accept ? TRUE : FALSE);
}

void Win32Shell::OpenDocument(base::WindowHandle owner, const std::string& verb,
                              const std::string& file, int showCommand) {
  ShellExecuteA(WindowOf(owner), verb.c_str(), file.c_str(), nullptr, nullptr, showCommand);
}

}  // namespace morvane::platform::win32
