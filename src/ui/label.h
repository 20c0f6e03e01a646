#pragma once

#include "ui/control.h"

namespace morvane::ui {

// The cursors a control can ask for while the mouse is over it.
enum class MouseCursor { Default, HandPoint };

// Static text. The peer reports the mouse entering and leaving it and the
// left button going down on it.
class Label : public Control {
 public:
  using Control::Control;
  static constexpr ControlKind kKind{};
  const ControlKind& Kind() const override { return kKind; }

  // The cursor shown while the mouse is over the label.
  MouseCursor Cursor() const { return cursor_; }
  void SetCursor(MouseCursor cursor) { cursor_ = cursor; }

  // An auto-sized label takes the size of its text in its font when it is
  // shown on screen; its width and height from the program do not count then.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on) { autoSize_ = on; }

  // The label's hint shows as a tool tip even where its parent shows none.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show) { showHint_ = show; }

  virtual void MouseEntered() {}
  virtual void MouseLeft() {}
  virtual void LeftButtonDown() {}

 private:
  MouseCursor cursor_ = MouseCursor::Default;
  bool showHint_ = false;
  bool autoSize_ = true;
};

}  // namespace morvane::ui
