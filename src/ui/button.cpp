#include "ui/button.h"

#include "ui/form.h"

namespace morvane::ui {

void Button::Click() {
  if (OnClick) OnClick();
  if (modalResult_ == kModalResultNone) return;
  Control* owner = Parent();
  while (owner && owner->Kind() != ControlKind::Form) owner = owner->Parent();
  if (owner) static_cast<Form*>(owner)->SetModalResult(modalResult_);
}

}  // namespace morvane::ui
