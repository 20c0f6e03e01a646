#pragma once

#include <functional>

#include "ui/control.h"

namespace morvane::ui {

// A single-line text field without a length limit or an input filter. Its
// change event runs whenever its text changes, whoever changes it; setting the
// text it already holds changes nothing.
class Edit : public Control {
 public:
  using Control::Control;
  static constexpr ControlKind kKind{ControlKind::Focus::Takes};
  const ControlKind& Kind() const override { return kKind; }

  // The peer reports a double-click.
  void DoubleClicked() {
    if (OnDblClick) OnDblClick();
  }

  std::function<void()> OnChange;
  std::function<void()> OnDblClick;

 protected:
  void TextChanged() override {
    if (OnChange) OnChange();
  }
};

}  // namespace morvane::ui
