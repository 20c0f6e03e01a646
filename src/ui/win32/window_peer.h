#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/window_handles.h"
#include "ui/control.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/model_window.h"

namespace morvane::ui::win32 {

// The window of one control.
class WindowPeer : public ControlPeer, public ModelWindow {
 public:
  WindowPeer(Control& control, HWND window);

  void Changed(Property property) override;
  // The window's monitor has another scale: it takes its font and place anew.
  virtual void Rescaled();
  base::WindowHandle Handle() const override { return platform::win32::HandleOf(Window()); }
  void SetFocus() override { ::SetFocus(Window()); }

  // What its parent's window got about the control, decoded: the
  // notification code of a WM_COMMAND, a WM_NOTIFY (the result is the
  // message's), an owner-drawn item to draw, and the colours of its text
  // (WM_CTLCOLOR*, the background brush is the result).
  virtual void OnCommand(WORD /*code*/) {}
  virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }
  virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  virtual HBRUSH OnControlColor(HDC dc);

  // The control's peer, of its window or of a part of it; null for a form's
  // window and any other.
  static WindowPeer* FromWindow(HWND window);

 protected:
  void UpdateToolTip();
  // True while the model's text is being put into the window: the window's
  // change notification then only echoes it, or worse, cuts it short at a
  // zero byte that a window text can't hold.
  bool PuttingText() const { return puttingText_; }

 private:
  bool puttingText_ = false;
};

// The peer of one kind of control, which knows its model as what it is.
template <typename ControlModel>
class TypedPeer : public WindowPeer {
 public:
  TypedPeer(ControlModel& model, HWND window) : WindowPeer(model, window), model_(model) {}
  ControlModel& Model() const { return model_; }

 private:
  ControlModel& model_;
};

}  // namespace morvane::ui::win32
