#pragma once

#include <functional>

#include "ui/control.h"

namespace morvane::ui {

class CheckBox : public Control {
 public:
  using Control::Control;
  static constexpr ControlKind kKind{ControlKind::Focus::Takes};
  const ControlKind& Kind() const override { return kKind; }

  bool Checked() const { return checked_; }
  // Setting the state from the program raises no click.
  void SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    NotifyPeer(Property::Checked);
  }
  // A click by the user: the box toggles, then the click handler runs.
  void Click() {
    SetChecked(!checked_);
    if (OnClick) OnClick();
  }
  std::function<void()> OnClick;

 private:
  bool checked_ = false;
};

}  // namespace morvane::ui
