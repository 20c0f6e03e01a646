#pragma once

#include <windows.h>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

// A push button. One with a picture is owner-drawn: its picture and caption
// sit as Button::GetPictureLayout says, the picture greyed while disabled.
// The second press of a quick double click is a press like the first.
class ButtonPeer : public TypedPeer<Button> {
 public:
  using TypedPeer::TypedPeer;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WORD code) override;
  void OnDrawItem(const DRAWITEMSTRUCT& item) override;
};

// A flat tool button of our own window class: only its picture until the
// mouse is over it, a raised edge then, a sunken one while pressed. It never
// takes the focus.
class ToolButtonPeer : public TypedPeer<ToolButton> {
 public:
  using TypedPeer::TypedPeer;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void SetHot(bool hot);
  void SetPressed(bool pressed);

  bool hot_ = false;       // the mouse is over the button
  bool tracking_ = false;  // the left button went down on it and is still down
  bool pressed_ = false;   // ...and the mouse is over it
};

// A check box that the user toggles.
class CheckBoxPeer : public TypedPeer<CheckBox> {
 public:
  CheckBoxPeer(CheckBox& box, HWND window);
  void Changed(Property property) override;
  void OnCommand(WORD code) override;
};

}  // namespace morvane::ui::win32
