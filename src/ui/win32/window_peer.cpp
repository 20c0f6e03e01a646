#include "ui/win32/window_peer.h"

#include "ui/win32/form_peer.h"
#include "ui/win32/window_classes.h"

namespace morvane::ui::win32 {
namespace {

constexpr char kPeerProperty[] = "MorvanePeer";

}  // namespace

WindowPeer::WindowPeer(Control& control, HWND window) : control_(control), window_(window) {
  Adopt(window_);
  SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(ProgramFont()), FALSE);
  UpdateToolTip();
}

WindowPeer::~WindowPeer() {
  if (!window_) return;
  Disown(window_);
  DestroyWindow(window_);
}

void WindowPeer::Adopt(HWND part) { SetPropA(part, kPeerProperty, this); }

void WindowPeer::Disown(HWND part) { RemovePropA(part, kPeerProperty); }

WindowPeer* WindowPeer::FromWindow(HWND window) {
  return window ? static_cast<WindowPeer*>(GetPropA(window, kPeerProperty)) : nullptr;
}

void WindowPeer::UpdateToolTip() {
  if (ToolTips* tips = FormWindowPeer::ToolTipsOf(window_)) tips->SetTip(window_, control_.Hint());
}

void WindowPeer::Changed(Property property) {
  switch (property) {
    case Property::Bounds: {
      const Bounds& b = control_.GetBounds();
      MoveWindow(window_, b.left, b.top, b.width, b.height, TRUE);
      break;
    }
    case Property::Enabled:
      EnableWindow(window_, control_.Enabled() ? TRUE : FALSE);
      break;
    case Property::Visible:
      ShowWindow(window_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::Text:
      puttingText_ = true;
      SetWindowTextA(window_, control_.Text().c_str());
      puttingText_ = false;
      break;
    case Property::Hint:
      UpdateToolTip();
      break;
    default:
      break;
  }
}

}  // namespace morvane::ui::win32
