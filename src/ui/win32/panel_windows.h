#pragma once

#include <windows.h>

#include "ui/group_box.h"
#include "ui/panel.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

// Panels and group boxes draw their caption themselves: a new one repaints them.
class PanelPeer : public TypedPeer<Panel> {
 public:
  using TypedPeer::TypedPeer;
  void Changed(Property property) override;
};

class GroupBoxPeer : public TypedPeer<GroupBox> {
 public:
  using TypedPeer::TypedPeer;
  void Changed(Property property) override;
};

// Panels: bevels and border width as the model says, the caption inside, and
// mouse presses reported to the model.
LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Group boxes: an etched frame with the caption set into its top line.
LRESULT CALLBACK GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace morvane::ui::win32
