#include "ui/button.h"

#include "ui/form.h"

namespace morvane::ui {

void Button::Click() {
  if (OnClick) OnClick();
  if (modalResult_ == kModalResultNone) return;
  if (Form* form = OwnerForm()) form->SetModalResult(modalResult_);
}

}  // namespace morvane::ui
