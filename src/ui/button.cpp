#include "ui/button.h"

#include "ui/form.h"

namespace morvane::ui {

void Button::Click() {
  if (OnClick) OnClick();
  if (modalResult_ == kModalResultNone) return;
  if (Form* form = OwnerForm()) form->SetModalResult(modalResult_);
}

std::string ToolButton::ToolTip() const {
  const std::string key = ShortcutText(shortcut_);
  if (key.empty() || Hint().empty()) return Hint();
  return Hint() + " (" + key + ")";
}

}  // namespace morvane::ui
