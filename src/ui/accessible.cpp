#include "ui/accessible.h"

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/spin_edit.h"
#include "ui/string_grid.h"

namespace morvane::ui {
namespace {

constexpr char kCellSeparator[] = ", ";

// The selected row's cells, or nothing when no data row is selected.
std::string SelectedRowText(const StringGrid& grid) {
  const int row = grid.Row();
  if (row < grid.FixedRows() || row >= grid.RowCount()) return {};
  std::string text;
  for (int col = 0; col < grid.ColCount(); ++col) {
    const std::string& cell = grid.Cell(col, row);
    if (cell.empty()) continue;
    if (!text.empty()) text += kCellSeparator;
    text += cell;
  }
  return text;
}

}  // namespace

AccessibleDescription Describe(const Control& control) {
  AccessibleDescription described;
  const ControlKind& kind = control.Kind();
  const bool textIsValue = kind == SpinEdit::kKind || kind == Edit::kKind ||
                           kind == ComboBox::kKind || kind == StringGrid::kKind;
  if (!textIsValue) {
    described.name = control.Text().empty() ? control.Hint() : control.Text();
    if (described.name != control.Hint()) described.description = control.Hint();
  }
  if (kind == Button::kKind) {
    described.role = AccessibleRole::PushButton;
  } else if (kind == ToolButton::kKind) {
    described.role = AccessibleRole::PushButton;
    described.keyboardShortcut =
        ShortcutText(static_cast<const ToolButton&>(control).GetShortcut());
  } else if (kind == CheckBox::kKind) {
    described.role = AccessibleRole::CheckBox;
    described.checkable = true;
    described.checked = static_cast<const CheckBox&>(control).Checked();
  } else if (kind == SpinEdit::kKind || kind == Edit::kKind) {
    described.role = AccessibleRole::Text;
    described.value = control.Text();
  } else if (kind == ComboBox::kKind) {
    described.role = AccessibleRole::ComboBox;
    described.value = control.Text();
  } else if (kind == StringGrid::kKind) {
    described.role = AccessibleRole::Table;
    described.value = SelectedRowText(static_cast<const StringGrid&>(control));
  }
  if (!control.AccessibleName().empty()) described.name = control.AccessibleName();
  if (control.GetAccessibleRole() != AccessibleRole::Default) {
    described.role = control.GetAccessibleRole();
  }
  return described;
}

}  // namespace morvane::ui
