#pragma once

#include "ui/control.h"

namespace morvane::ui {

enum class LineDirection { Vertical, Horizontal };

// An etched separator line, two pixels wide, along the left (vertical) or top
// (horizontal) edge of its bounds.
class BevelLine : public Control {
 public:
  using Control::Control;
  static constexpr ControlKind kKind{};
  const ControlKind& Kind() const override { return kKind; }

  LineDirection Direction() const { return direction_; }
  void SetDirection(LineDirection direction) { direction_ = direction; }

 private:
  LineDirection direction_ = LineDirection::Vertical;
};

}  // namespace morvane::ui
