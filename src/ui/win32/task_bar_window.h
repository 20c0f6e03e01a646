#pragma once

#include <windows.h>

#include <string>

#include "ui/form.h"

namespace morvane::ui::win32 {

// The hidden-size window that carries the task-bar button and owns the forms.
// Closing it closes the main form, restoring it brings the main form back, and
// the focus it gets goes on to the main form.
class TaskBarWindow {
 public:
  explicit TaskBarWindow(const std::string& title);
  ~TaskBarWindow();
  TaskBarWindow(const TaskBarWindow&) = delete;
  TaskBarWindow& operator=(const TaskBarWindow&) = delete;

  HWND Window() const { return window_; }
  void SetTitle(const std::string& title);
  void SetMainForm(Form& form) { mainForm_ = &form; }
  // Shows the task-bar button.
  void Show();

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  static TaskBarWindow* FromWindow(HWND window);

 private:
  HWND MainFormWindow() const;

  HWND window_;
  Form* mainForm_ = nullptr;
};

}  // namespace morvane::ui::win32
