#include "ui/combo_box.h"

namespace morvane::ui {

void ComboBox::AddItem(const std::string& item) {
  items_.push_back(item);
  NotifyPeer(Property::Items);
}

void ComboBox::ClearItems() {
  items_.clear();
  itemIndex_ = -1;
  NotifyPeer(Property::Items);
}

void ComboBox::SelectItem(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  itemIndex_ = index;
  NotifyPeer(Property::Items);
  SetText(items_[static_cast<std::size_t>(index)]);
}

void ComboBox::ItemChosenByUser(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  itemIndex_ = index;
  TextChangedByUser(items_[static_cast<std::size_t>(index)]);
}

void ComboBox::TextChanged() {
  if (itemIndex_ >= 0 && items_[static_cast<std::size_t>(itemIndex_)] != Text()) itemIndex_ = -1;
  if (OnChange) OnChange();
}

}  // namespace morvane::ui
