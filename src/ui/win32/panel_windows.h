#pragma once

#include <windows.h>

#include "ui/group_box.h"
#include "ui/panel.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

// A window that draws its caption and edges itself: a new caption or size
// repaints all of it.
template <typename ControlModel>
class FramePeer : public TypedPeer<ControlModel> {
 public:
  using TypedPeer<ControlModel>::TypedPeer;
  void Changed(Property property) override {
    WindowPeer::Changed(property);
    if (property == Property::Text) InvalidateRect(this->Window(), nullptr, TRUE);
  }
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_PAINT:
        Paint();
        return 0;
      case WM_SIZE:
        InvalidateRect(this->Window(), nullptr, TRUE);
        return 0;
      default:
        return WindowPeer::HandleMessage(message, wParam, lParam);
    }
  }

 private:
  virtual void Paint() = 0;
};

// A panel: bevels and border width as the model says, the caption inside, and
// mouse presses reported to the model.
class PanelPeer : public FramePeer<Panel> {
 public:
  using FramePeer::FramePeer;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint() override;
};

// A group box: an etched frame with the caption set into its top line.
class GroupBoxPeer : public FramePeer<GroupBox> {
 public:
  using FramePeer::FramePeer;

 private:
  void Paint() override;
};

}  // namespace morvane::ui::win32
