#pragma once

#include <functional>

#include "ui/control.h"
#include "ui/picture.h"
#include "ui/shortcut.h"

namespace morvane::ui {

// A push button; its text is the caption, and it may carry a picture above or
// left of the caption. The picture is chosen before the form is realized.
class Button : public Control {
 public:
  using Control::Control;
  static constexpr ControlKind kKind{ControlKind::Focus::Takes};
  const ControlKind& Kind() const override { return kKind; }

  Picture GetPicture() const { return picture_; }
  void SetPicture(Picture picture) { picture_ = picture; }
  PictureLayout GetPictureLayout() const { return pictureLayout_; }
  void SetPictureLayout(PictureLayout layout) { pictureLayout_ = layout; }

  // The form's modal result this button sets when pressed; 0 sets none.
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // A press: the click handler runs, then the button's modal result, if any,
  // goes to its form.
  void Click();
  std::function<void()> OnClick;

 private:
  int modalResult_ = 0;
  Picture picture_ = Picture::None;
  PictureLayout pictureLayout_ = PictureLayout::Left;
};

// A flat toolbar button that shows only a picture and takes no focus. Its
// tool tip is its hint alone; its shortcut key, if any, shows in the system
// menu and in what screen readers are told.
class ToolButton : public Control {
 public:
  using Control::Control;
  static constexpr ControlKind kKind{};
  const ControlKind& Kind() const override { return kKind; }

  const Shortcut& GetShortcut() const { return shortcut_; }
  void SetShortcut(const Shortcut& shortcut) { shortcut_ = shortcut; }

  Picture GetPicture() const { return picture_; }
  void SetPicture(Picture picture) { picture_ = picture; }

  void Click() {
    if (OnClick) OnClick();
  }
  std::function<void()> OnClick;

 private:
  Picture picture_ = Picture::None;
  Shortcut shortcut_;
};

}  // namespace morvane::ui
