#pragma once

#include "ui/control.h"

namespace morvane::ui {

// A picture from the program's resources, shown at its own size.
class Image : public Control {
 public:
  using Control::Control;
  static constexpr ControlKind kKind{};
  const ControlKind& Kind() const override { return kKind; }

  int ResourceId() const { return resourceId_; }
  void SetResourceId(int id) { resourceId_ = id; }

 private:
  int resourceId_ = 0;
};

}  // namespace morvane::ui
