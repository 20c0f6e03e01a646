#pragma once

#include <windows.h>

namespace morvane::ui::win32 {

// The system's button, through its messages.
class ButtonControl {
 public:
  explicit ButtonControl(HWND window) : window_(window) {}

  void SetCheck(bool checked) {
    SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }

 private:
  HWND window_;
};

}  // namespace morvane::ui::win32
