#pragma once

#include "ui/control.h"

namespace morvane::ui {

class Label : public Control {
 public:
  using Control::Control;
  ControlKind Kind() const override { return ControlKind::Label; }
};

}  // namespace morvane::ui
