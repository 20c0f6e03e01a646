#pragma once

#include "ui/control.h"

namespace morvane::ui {

// A captioned frame around other controls. Disabling it blocks its children
// without changing their own enabled flags.
class GroupBox : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::GroupBox; }
};

}  // namespace morvane::ui
