#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/window_handles.h"
#include "ui/control.h"
#include "ui/win32/dpi_scale.h"

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
  // The window's monitor has another scale: it takes its font and place anew.
  virtual void Rescaled();
  base::WindowHandle Handle() const override { return platform::win32::HandleOf(window_); }
  void SetFocus() override { ::SetFocus(window_); }

  HWND Window() const { return window_; }
  DpiScale Scale() const { return DpiScale::Of(window_); }
  Control& Model() const { return control_; }

  // Every message to the control's window, whether of our own class or a
  // system control's taken over. What a peer leaves alone goes on to this.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // What its parent's window got about the control, decoded: the
  // notification code of a WM_COMMAND, a WM_NOTIFY (the result is the
  // message's), an owner-drawn item to draw, and the colours of its text
  // (WM_CTLCOLOR*, the background brush is the result).
  virtual void OnCommand(WORD /*code*/) {}
  virtual LRESULT OnNotify(const NMHDR& /*header*/) { return 0; }
  virtual void OnDrawItem(const DRAWITEMSTRUCT& /*item*/) {}
  virtual HBRUSH OnControlColor(HDC dc);

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
  // The model's text as the window shows it.
  virtual std::wstring WideOf(const std::string& text) const;

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
