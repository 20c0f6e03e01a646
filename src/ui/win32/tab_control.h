#pragma once

#include <windows.h>

#include <string>

namespace morvane::ui::win32 {

// The system's tab control, through its messages.
class TabControl {
 public:
  explicit TabControl(HWND window) : window_(window) {}

  void SetMinTabWidth(int width);
  void InsertItem(int index, const std::string& caption);
  // The chosen tab, or -1 for none.
  int CurSel() const;
  void SetCurSel(int index);
  // Where a tab sits in the control.
  RECT ItemRect(int index) const;
  void SetItemSize(int width, int height);
  // The display area that the control's window rectangle leaves for a page.
  RECT DisplayRect(const RECT& window) const;

 private:
  HWND window_;
};

}  // namespace morvane::ui::win32
