#pragma once

#include <windows.h>

#include "ui/control.h"

namespace morvane::ui::win32 {

// The window of one control. A window property points back to this peer, so
// that any window can be asked safely whether it is one of ours.
class WindowPeer : public ControlPeer {
 public:
  WindowPeer(Control& control, HWND window);
  ~WindowPeer() override;
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;

  void Changed(Property property) override;
  WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(window_); }
  void SetFocus() override { ::SetFocus(window_); }

  HWND Window() const { return window_; }
  Control& Model() const { return control_; }

  // A WM_COMMAND notification from this control's window.
  virtual void Command(WORD /*code*/) {}
  // A WM_NOTIFY from one of this control's windows; true when handled.
  virtual bool Notify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
  // WM_DRAWITEM for an owner-drawn control.
  virtual void DrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  // A queued character or double-click for one of this control's windows,
  // before it is dispatched; true when the control swallowed it.
  virtual bool FilterMessage(MSG& /*message*/) { return false; }

  static WindowPeer* FromWindow(HWND window);

 protected:
  // Lets another window of the control (a part of it) lead back to this peer.
  void Adopt(HWND part);
  void Disown(HWND part);
  void UpdateToolTip();
  // True while the model's text is being put into the window: the window's
  // change notification then only echoes it, or worse, cuts it short at a
  // zero byte that a window text can't hold.
  bool PuttingText() const { return puttingText_; }

 private:
  Control& control_;
  HWND window_;
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
