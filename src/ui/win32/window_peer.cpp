#include "ui/win32/window_peer.h"

#include "ui/win32/accessible_object.h"
#include "ui/win32/form_peer.h"
#include "ui/win32/message_reflection.h"
#include "ui/win32/window_classes.h"

namespace morvane::ui::win32 {

// The tool tips take a system control's window over after the model
// window has, so that theirs come first and see the mouse.
WindowPeer::WindowPeer(Control& control, HWND window) : ModelWindow(control, window) {
  UseFont(Window(), ProgramFont(Window()));
  UpdateToolTip();
}

WindowPeer* WindowPeer::FromWindow(HWND window) {
  return dynamic_cast<WindowPeer*>(ModelWindow::FromWindow(window));
}

HBRUSH WindowPeer::OnControlColor(HDC dc) { return ControlColors(dc, &Model().GetFont().color); }

void WindowPeer::Rescaled() {
  UseFont(Window(), ProgramFont(Window()));
  Changed(Property::Bounds);
}

void WindowPeer::UpdateToolTip() {
  if (ToolTips* tips = FormWindowPeer::ToolTipsOf(Window())) tips->SetTip(Window(), Model().Hint());
}

void WindowPeer::Changed(Property property) {
  const Control& control = Model();
  HWND window = Window();
  switch (property) {
    case Property::Bounds: {
      const RECT r = Scale().Out(control.GetBounds());
      MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
      break;
    }
    case Property::Enabled:
      EnableWindow(window, control.Enabled() ? TRUE : FALSE);
      break;
    case Property::Visible:
      ShowWindow(window, control.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::Text:
      puttingText_ = true;
      SetWindowTextW(window, WideOf(control.Text()).c_str());
      puttingText_ = false;
      AnnounceNameChange(window);
      break;
    case Property::Hint:
      UpdateToolTip();
      break;
    default:
      break;
  }
}

}  // namespace morvane::ui::win32
