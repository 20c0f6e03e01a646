#pragma once

#include <windows.h>

#include <string>

namespace morvane::ui::win32 {

// The system's combo box, through its messages.
class ComboBoxControl {
 public:
  explicit ComboBoxControl(HWND window) : window_(window) {}

  void ResetContent();
  void AddString(const std::string& item);
  // The chosen item, or -1 for none.
  int CurSel() const;
  void SetCurSel(int index);
  // The edit field inside the box; none when the system doesn't say.
  HWND EditPart() const;

 private:
  HWND window_;
};

}  // namespace morvane::ui::win32
