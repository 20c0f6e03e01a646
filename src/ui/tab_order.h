#pragma once

#include <vector>

#include "ui/control.h"

namespace morvane::ui {

// The children of parent in tab order: by TabOrder, children without one
// (TabOrder < 0) after those with one, ties in declaration order.
std::vector<Control*> TabOrdered(const Control& parent);

// The controls the Tab key visits in turn, from the first: those that take
// the focus, showing and enabled inside enabled parents, depth first through
// the children in tab order.
std::vector<Control*> TabCycle(const Control& root);

}  // namespace morvane::ui
