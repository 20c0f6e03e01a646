#pragma once

#include <windows.h>

#include "ui/control.h"

namespace morvane::ui::win32 {

// The window of one control. Its GWLP_USERDATA points back to this peer.
class WindowPeer : public ControlPeer {
 public:
  WindowPeer(Control& control, HWND window);
  ~WindowPeer() override;
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;

  void Changed(Property property) override;
  platform::WindowHandle Handle() const override {
    return reinterpret_cast<platform::WindowHandle>(window_);
  }

  HWND Window() const { return window_; }
  Control& Model() const { return control_; }

  // A WM_COMMAND notification from this control's window.
  virtual void Command(WORD /*code*/) {}

  static WindowPeer* FromWindow(HWND window);

 protected:
  // The window is released elsewhere (a form's peer destroys its own).
  void Release() { window_ = nullptr; }

 private:
  Control& control_;
  HWND window_;
};

// Creates the windows of control's children (and theirs) inside parent.
void RealizeChildren(Control& control, HWND parent);

}  // namespace morvane::ui::win32
