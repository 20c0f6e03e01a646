#include "platform/win32/win32_screen_cursor.h"

#include <windows.h>

namespace morvane::platform::win32 {
namespace {

int currentCursor = kCursorDefault;

LPCSTR SystemCursorFor(int cursor) {
  switch (cursor) {
    case kCursorHourGlass:
      return IDC_WAIT;
    case kCursorHandPoint:
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

void* Win32ScreenCursor::OverridingCursor() {
  if (currentCursor == kCursorDefault) return nullptr;
  return LoadCursorA(nullptr, SystemCursorFor(currentCursor));
}

}  // namespace morvane::platform::win32
