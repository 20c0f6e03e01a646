#pragma once

#include <string>

#include "ui/form.h"

namespace morvane::ui {

// The application-wide side of the window system.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  // The text of the task-bar button.
  virtual void SetApplicationTitle(const std::string& title) = 0;
  // Gives the form and all its controls their windows, hidden. The first form
  // realized is the application's main form: closing it ends the message loop.
  virtual void Realize(Form& form) = 0;
  // Shows the main form and handles messages until it has been closed.
  virtual void RunMessageLoop(Form& mainForm) = 0;
  // The window that carries the task-bar button; 0 where there is none.
  virtual base::WindowHandle ApplicationWindow() const = 0;
};

}  // namespace morvane::ui
