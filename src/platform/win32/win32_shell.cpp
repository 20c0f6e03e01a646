#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/ansi_names.h"

namespace morvane::platform::win32 {

void Win32Shell::DragAcceptFiles(WindowHandle window, bool accept) {
  if (window) ::DragAcceptFiles(reinterpret_cast<HWND>(window), accept ? TRUE : FALSE);
}

namespace {
constexpr UINT kCountQuery = 0xFFFFFFFF;
HDROP ToHdrop(DropHandle drop) { return reinterpret_cast<HDROP>(drop); }
}  // namespace

unsigned Win32Shell::DroppedFileCount(DropHandle drop) {
  return DragQueryFileW(ToHdrop(drop), kCountQuery, nullptr, 0);
}

// The wide name: the ANSI one would stand a best-fit substitute in for a
// character the code page can't hold, and so name another file.
std::string Win32Shell::DroppedFileName(DropHandle drop, unsigned index) {
  const UINT length = DragQueryFileW(ToHdrop(drop), index, nullptr, 0);
  std::wstring name(length + 1, L'\0');
  const UINT copied = DragQueryFileW(ToHdrop(drop), index, name.data(), length + 1);
  name.resize(copied);
  return NameFromWide(name);
}

DropPoint Win32Shell::DropPointOf(DropHandle drop) {
  POINT point{};
  DragQueryPoint(ToHdrop(drop), &point);
  return DropPoint{point.x, point.y};
}

void Win32Shell::FinishDrop(DropHandle drop) { DragFinish(ToHdrop(drop)); }

void Win32Shell::OpenDocument(WindowHandle owner, const std::string& verb, const std::string& file,
                              int showCommand) {
  ShellExecuteA(reinterpret_cast<HWND>(owner), verb.c_str(), file.c_str(), nullptr, nullptr,
                showCommand);
}

}  // namespace morvane::platform::win32
