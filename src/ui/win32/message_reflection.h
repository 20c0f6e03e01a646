#pragma once

#include <windows.h>

#include "ui/control.h"

namespace morvane::ui::win32 {

// The parent's part of WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and WM_CTLCOLOR*:
// the message, decoded, goes to the peer of the child it is about as a call
// (WindowPeer::OnCommand, OnNotify, OnDrawItem, OnControlColor). True when
// it did, or when a child without a peer got the controls' colours.
bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The controls' colours for WM_CTLCOLORSTATIC and WM_CTLCOLORBTN: the button
// face behind the text, and the text in the given colour, if any. Returns the
// background brush.
HBRUSH ControlColors(HDC dc, const Color* text);

// Shows the program-wide cursor on WM_SETCURSOR, if one is set; true then.
bool ShowProgramCursor();

}  // namespace morvane::ui::win32
