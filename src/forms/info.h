#pragma once

#include "ui/form.h"

namespace morvane::forms {

inline constexpr char kInfoCaption[] = "Info";

// The program-information box, which also serves as the start-up splash.
class Tinfobox : public ui::Form {
 public:
  Tinfobox();
};

}  // namespace morvane::forms
