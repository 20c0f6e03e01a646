#pragma once

#include "ui/control.h"

namespace morvane::ui {

// A captioned frame around other controls. Disabling it blocks its children
// without changing their own enabled flags.
class GroupBox : public Control {
 public:
  using Control::Control;
  static constexpr ControlKind kKind{};
  const ControlKind& Kind() const override { return kKind; }
};

}  // namespace morvane::ui
