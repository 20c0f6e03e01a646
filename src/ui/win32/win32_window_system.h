#pragma once

#include <windows.h>

#include <memory>

#include "ui/window_system.h"

namespace morvane::ui::win32 {

class TaskBarWindow;

// The Windows side of the application: a hidden-size application window that
// carries the task-bar button and owns the forms, the forms' windows, and the
// message loop.
class Win32WindowSystem : public WindowSystem {
 public:
  Win32WindowSystem();
  ~Win32WindowSystem() override;

  void SetApplicationTitle(const std::string& title) override;
  void Realize(Form& form) override;
  void RunMessageLoop(Form& mainForm) override;
  base::WindowHandle ApplicationWindow() const override;

 private:
  std::unique_ptr<TaskBarWindow> taskBar_;
  Form* mainForm_ = nullptr;
  // Screen readers reach the windows' accessible objects from their own
  // processes through COM, which the thread must have joined.
  bool comJoined_ = false;
};

// What our forms do with a queued message before it is dispatched: the key
// preview, dialog navigation. True when the
// message was handled and is not to be dispatched.
bool PreTranslateMessage(const MSG& message);

}  // namespace morvane::ui::win32
