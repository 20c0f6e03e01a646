#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <shellapi.h>

namespace morvane::platform::win32 {

void Win32Shell::DragAcceptFiles(WindowHandle window, bool accept) {
  if (window) ::DragAcceptFiles(reinterpret_cast<HWND>(window), accept ? TRUE : FALSE);
}

void Win32Shell::OpenDocument(WindowHandle owner, const std::string& verb, const std::string& file,
                              int showCommand) {
  ShellExecuteA(reinterpret_cast<HWND>(owner), verb.c_str(), file.c_str(), nullptr, nullptr,
                showCommand);
}

}  // namespace morvane::platform::win32
