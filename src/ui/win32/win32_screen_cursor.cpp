#include "ui/win32/win32_screen_cursor.h"

#include <windows.h>

namespace morvane::ui::win32 {
namespace {

int currentCursor = platform::kCursorDefault;

LPCSTR SystemCursorFor(int cursor) {
  switch (cursor) {
    case platform::kCursorHourGlass:
      return IDC_WAIT;
    case platform::kCursorHandPoint:
      return IDC_HAND;
    default:
      return IDC_ARROW;
  }
}

}  // namespace

int Win32ScreenCursor::Get() const { return currentCursor; }

void Win32ScreenCursor::Set(int cursor) {
  if (cursor == currentCursor) return;
  currentCursor = cursor;
  SetCursor(LoadCursorA(nullptr, SystemCursorFor(cursor)));
}

HCURSOR Win32ScreenCursor::OverridingCursor() {
  if (currentCursor == platform::kCursorDefault) return nullptr;
  return LoadCursorA(nullptr, SystemCursorFor(currentCursor));
}

}  // namespace morvane::ui::win32
