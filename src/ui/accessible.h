#pragma once

#include <string>

namespace morvane::ui {

class Control;

// What a screen reader is told a control is. Default leaves the role to the
// system's own answer for the control's window.
enum class AccessibleRole {
  Default,
  PushButton,
  CheckBox,
  Text,
  ComboBox,
  Table,
  StatusBar,
  Link,
};

// A control as a screen reader reads it. Empty texts leave the system's own.
struct AccessibleDescription {
  std::string name;
  std::string description;
  std::string value;
  std::string keyboardShortcut;
  AccessibleRole role = AccessibleRole::Default;
  // Only for controls that can be checked.
  bool checkable = false;
  bool checked = false;
};

// The description of any control: what the form gave it (its accessible
// name and role), and otherwise what its kind and state say.
AccessibleDescription Describe(const Control& control);

}  // namespace morvane::ui
