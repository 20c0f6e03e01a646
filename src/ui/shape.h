#pragma once

#include "ui/control.h"

namespace morvane::ui {

// A rectangle drawn with a solid outline and a solid fill.
class Shape : public Control {
 public:
  using Control::Control;
  static constexpr ControlKind kKind{};
  const ControlKind& Kind() const override { return kKind; }

  Color PenColor() const { return penColor_; }
  Color BrushColor() const { return brushColor_; }
  void SetColors(Color pen, Color brush) {
    penColor_ = pen;
    brushColor_ = brush;
  }

 private:
  Color penColor_ = Color::Rgb(0, 0, 0);
  Color brushColor_ = Color::Rgb(255, 255, 255);
};

}  // namespace morvane::ui
