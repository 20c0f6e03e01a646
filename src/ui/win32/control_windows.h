#pragma once

#include <windows.h>

#include <memory>
#include <span>

#include "ui/control.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

// The window a control of one kind gets: its class and styles, and the peer
// that runs it.
struct ControlWindowKind {
  const ControlKind& kind;
  const wchar_t* className;
  // A class of our own, registered from here; otherwise a system control's,
  // which the peer takes over.
  bool ownClass;
  DWORD style;
  DWORD exStyle;
  // The style bits that depend on the model; null where none do.
  DWORD (*modelStyle)(const Control& control);
  std::unique_ptr<WindowPeer> (*makePeer)(Control& control, HWND window);
};

// The window kind of a control, or null for a kind that gets no child window.
const ControlWindowKind* WindowKindOf(const Control& control);

// Every kind's window, one line each.
std::span<const ControlWindowKind> ControlWindowKinds();

// Creates the windows of control's children (and theirs) inside parent, in
// tab order.
void RealizeChildren(Control& control, HWND parent);

}  // namespace morvane::ui::win32
