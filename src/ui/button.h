#pragma once

#include <functional>

#include "ui/control.h"

namespace morvane::ui {

// A push button; its text is the caption.
class Button : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::Button; }

  // The form's modal result this button sets when pressed; 0 sets none.
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // A press: the click handler runs, then the button's modal result, if any,
  // goes to its form.
  void Click();
  std::function<void()> OnClick;

 private:
  int modalResult_ = 0;
};

// A flat toolbar button that shows only a picture and takes no focus.
class ToolButton : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::ToolButton; }

  void Click() {
    if (OnClick) OnClick();
  }
  std::function<void()> OnClick;
};

}  // namespace morvane::ui
