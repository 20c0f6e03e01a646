#pragma once

#include <windows.h>

#include <string>

namespace morvane::ui::win32 {

// The tool tip window of one form, which shows the hints of its controls.
class ToolTips {
 public:
  explicit ToolTips(HWND form);
  ~ToolTips();
  ToolTips(const ToolTips&) = delete;
  ToolTips& operator=(const ToolTips&) = delete;

  // Shows text as the tip of a control's window; an empty text shows none.
  void SetTip(HWND tool, const std::string& text);

 private:
  HWND form_;
  HWND tip_;
};

}  // namespace morvane::ui::win32
