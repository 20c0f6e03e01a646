#pragma once

#include <functional>

#include "ui/control.h"

namespace morvane::ui {

enum class Bevel { None, Lowered, Raised };
enum class TextAlignment { Left, Center };

struct MouseDownEvent {
  enum class Button { Left, Right, Middle } button = Button::Left;
  bool shift = false;
  bool ctrl = false;
  int x = 0;
  int y = 0;
};

class Panel : public Control {
 public:
  using Control::Control;
  static constexpr ControlKind kKind{};
  const ControlKind& Kind() const override { return kKind; }

  Bevel InnerBevel() const { return innerBevel_; }
  Bevel OuterBevel() const { return outerBevel_; }
  void SetBevels(Bevel inner, Bevel outer) {
    innerBevel_ = inner;
    outerBevel_ = outer;
  }
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width) { borderWidth_ = width; }
  TextAlignment Alignment() const { return alignment_; }
  void SetAlignment(TextAlignment alignment) { alignment_ = alignment; }

  std::function<void(const MouseDownEvent&)> OnMouseDown;

 private:
  Bevel innerBevel_ = Bevel::None;
  Bevel outerBevel_ = Bevel::Raised;
  int borderWidth_ = 0;
  TextAlignment alignment_ = TextAlignment::Center;
};

}  // namespace morvane::ui
