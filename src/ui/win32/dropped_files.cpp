#include "ui/win32/dropped_files.h"

#include <string>

#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {
namespace {

constexpr UINT kCountQuery = 0xFFFFFFFF;

// The wide name: the ANSI one would stand a best-fit substitute in for a
// character the code page can't hold, and so name another file.
std::string DroppedFileName(HDROP drop, UINT index) {
  const UINT length = DragQueryFileW(drop, index, nullptr, 0);
  std::wstring name(length + 1, L'\0');
  const UINT copied = DragQueryFileW(drop, index, name.data(), length + 1);
  name.resize(copied);
  return ProgramText(name);
}

}  // namespace

DroppedFiles TakeDroppedFiles(HDROP drop) {
  DroppedFiles files;
  const UINT count = DragQueryFileW(drop, kCountQuery, nullptr, 0);
  files.names.reserve(count);
  for (UINT i = 0; i < count; ++i) files.names.push_back(DroppedFileName(drop, i));
  POINT point{};
  DragQueryPoint(drop, &point);
  files.x = point.x;
  files.y = point.y;
  DragFinish(drop);
  return files;
}

}  // namespace morvane::ui::win32
