#include "ui/win32/win32_screen_cursor.h"

namespace morvane::ui::win32 {
namespace {

base::Cursor currentCursor = base::Cursor::Default;

}  // namespace

HCURSOR SystemCursor(base::Cursor cursor) {
  switch (cursor) {
    case base::Cursor::HourGlass:
      return LoadCursorA(nullptr, IDC_WAIT);
    case base::Cursor::HandPoint:
      return LoadCursorA(nullptr, IDC_HAND);
    case base::Cursor::Default:
      break;
  }
  return LoadCursorA(nullptr, IDC_ARROW);
}

base::Cursor Win32ScreenCursor::Get() const { return currentCursor; }

void Win32ScreenCursor::Set(base::Cursor cursor) {
  if (cursor == currentCursor) return;
  currentCursor = cursor;
  SetCursor(SystemCursor(cursor));
}

HCURSOR Win32ScreenCursor::OverridingCursor() {
  if (currentCursor == base::Cursor::Default) return nullptr;
  return SystemCursor(currentCursor);
}

}  // namespace morvane::ui::win32
