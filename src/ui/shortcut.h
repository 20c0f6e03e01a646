#pragma once

#include <string>

#include "ui/keys.h"

namespace morvane::ui {

// A key that runs a command from anywhere in its form; key 0 is none.
struct Shortcut {
  int key = 0;
  ShiftState shift;

  bool Matches(int pressed, ShiftState held) const {
    return key != 0 && key == pressed && shift == held;
  }
  friend bool operator==(const Shortcut&, const Shortcut&) = default;
};

// The shortcut as menus and tool tips show it: "F1", "Ctrl+F1".
std::string ShortcutText(const Shortcut& shortcut);

}  // namespace morvane::ui
