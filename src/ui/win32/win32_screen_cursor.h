#pragma once

#include <windows.h>

#include "base/cursor.h"
#include "platform/screen_cursor.h"

namespace morvane::ui::win32 {

// The program-wide cursor. While it is not the default, the program's windows
// show it instead of their own (they ask OverridingCursor on WM_SETCURSOR).
class Win32ScreenCursor : public platform::ScreenCursor {
 public:
  base::Cursor Get() const override;
  void Set(base::Cursor cursor) override;

  // The cursor handle to show instead of a window's own, or null for none.
  static HCURSOR OverridingCursor();
};

// The system's cursor for one of ours.
HCURSOR SystemCursor(base::Cursor cursor);

}  // namespace morvane::ui::win32
