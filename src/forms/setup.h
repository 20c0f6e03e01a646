#pragma once

#include "ui/form.h"

namespace morvane::forms {

inline constexpr char kSetupCaption[] = "Setup instellingen";

// The dialog in which the twelve control strings are edited.
class TSetupdialog1 : public ui::Form {
 public:
  TSetupdialog1();
};

}  // namespace morvane::forms
