#pragma once

#include "base/cursor.h"
#include "ui/control.h"

namespace morvane::ui {

// Static text. The peer reports the mouse entering and leaving it and the
// left button going down on it.
class Label : public Control {
 public:
  using Control::Control;
  static constexpr ControlKind kKind{};
  const ControlKind& Kind() const override { return kKind; }

  // The cursor shown while the mouse is over the label.
  base::Cursor Cursor() const { return cursor_; }
  void SetCursor(base::Cursor cursor) { cursor_ = cursor; }

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
  base::Cursor cursor_ = base::Cursor::Default;
  bool showHint_ = false;
  bool autoSize_ = true;
};

}  // namespace morvane::ui
