#pragma once

#include "ui/control.h"

namespace morvane::ui {

// Places the visible aligned children of parent in its client rectangle:
// top-aligned ones stack downwards in child order, bottom-aligned ones upwards
// from the bottom (the last such child lowest), left-aligned ones rightwards,
// and a client-aligned child takes what is left. Hidden children take no space.
// Aligned panels are laid out again inside themselves.
void AlignChildren(Control& parent, const Bounds& client);

// The client rectangle of a control in its own coordinates: a panel loses its
// bevels and border width on every side.
Bounds ClientRect(const Control& control);

}  // namespace morvane::ui
