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

  // Every message for the control: those to its window, whether of our own
  // class or a system control's taken over, and those its parent's window got
  // about it (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_CTLCOLOR*), as
  // Reflected(message). What a peer leaves alone goes on to this.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  static WindowPeer* FromWindow(HWND window);

  // The cursor the control shows while the program shows none of its own;
  // null for its window class's cursor.
  virtual HCURSOR OwnCursor() const { return nullptr; }

 protected:
  // Lets another window of the control (a part of it) lead back to this peer.
  void Adopt(HWND part);
  void Disown(HWND part);
  void UpdateToolTip();
  // True while the model's text is being put into the window: the window's
  // change notification then only echoes it, or worse, cuts it short at a
  // zero byte that a window text can't hold.
  bool PuttingText() const { return puttingText_; }
  // The window's own handling of a message: its system class's, or the
  // default for ours.
  LRESULT CallBase(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  Control& control_;
  HWND window_;
  // The procedure of a system control taken over; null for our own classes.
  WNDPROC baseProcedure_ = nullptr;
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
