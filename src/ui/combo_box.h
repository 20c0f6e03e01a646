#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace morvane::ui {

// A drop-down list with an editable text, not sorted. The text need not be one
// of the items.
class ComboBox : public Control {
 public:
  using Control::Control;
  static constexpr ControlKind kKind{ControlKind::Focus::Takes};
  const ControlKind& Kind() const override { return kKind; }

  const std::vector<std::string>& Items() const { return items_; }
  void AddItem(const std::string& item);
  void ClearItems();

  // -1 when the text is not a chosen item.
  int ItemIndex() const { return itemIndex_; }
  // Selects an item; its text becomes the box's text.
  void SelectItem(int index);
  // The user chose an item from the list.
  void ItemChosenByUser(int index);

  std::function<void()> OnChange;

 protected:
  void TextChanged() override;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

}  // namespace morvane::ui
