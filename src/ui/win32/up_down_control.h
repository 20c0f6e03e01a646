#pragma once

#include <windows.h>

namespace morvane::ui::win32 {

// The system's up-down arrows, through their messages.
class UpDownControl {
 public:
  explicit UpDownControl(HWND window) : window_(window) {}

  void SetRange(int low, int high);
  void SetPos(int position);
  // The field the arrows sit in: they take its right end and narrow it.
  void SetBuddy(HWND buddy);

 private:
  HWND window_;
};

}  // namespace morvane::ui::win32
