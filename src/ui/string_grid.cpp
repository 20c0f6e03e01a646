#include "ui/string_grid.h"

#include <algorithm>
#include <optional>

#include "ui/keys.h"

namespace morvane::ui {
namespace {
constexpr int kDefaultColWidth = 64;
const std::string kNoText;
}  // namespace

StringGrid::StringGrid(Control* parent, std::string name, int colCount, int rowCount)
    : Control(parent, std::move(name)),
      colCount_(colCount),
      colWidths_(static_cast<std::size_t>(colCount), kDefaultColWidth),
      cells_(static_cast<std::size_t>(std::max(rowCount, 1)),
             std::vector<std::string>(static_cast<std::size_t>(colCount))) {}

void StringGrid::SetRowCount(int rowCount) {
  rowCount = std::max(rowCount, fixedRows_ + 1);
  if (rowCount == RowCount()) return;
  cells_.resize(static_cast<std::size_t>(rowCount),
                std::vector<std::string>(static_cast<std::size_t>(colCount_)));
  row_ = ClampRow(row_);
  topRow_ = ClampTopRow(topRow_);
  NotifyPeer(Property::Items);
}

int StringGrid::ColWidth(int col) const {
  if (col < 0 || col >= colCount_) return 0;
  return colWidths_[static_cast<std::size_t>(col)];
}

void StringGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= colCount_) return;
  colWidths_[static_cast<std::size_t>(col)] = width;
  NotifyPeer(Property::Items);
}

const std::string& StringGrid::Cell(int col, int row) const {
  if (col < 0 || col >= colCount_ || row < 0 || row >= RowCount()) return kNoText;
  return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void StringGrid::SetCell(int col, int row, const std::string& text) {
  if (col < 0 || col >= colCount_ || row < 0 || row >= RowCount()) return;
  std::string& cell = cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
  if (cell == text) return;
  cell = text;
  NotifyPeer(Property::Items);
}

int StringGrid::ClampRow(int row) const {
  return std::clamp(row, fixedRows_, std::max(fixedRows_, RowCount() - 1));
}

void StringGrid::SetRow(int row) {
  row = ClampRow(row);
  if (row == row_) return;
  row_ = row;
  ScrollIntoView();
  NotifyPeer(Property::Selection);
}

int StringGrid::VisibleDataRows() const {
  if (visibleDataRows_ > 0) return visibleDataRows_;
  return std::max(1, GetBounds().height / RowPitch() - fixedRows_);
}

void StringGrid::SetVisibleDataRows(int rows) {
  visibleDataRows_ = std::max(1, rows);
  topRow_ = ClampTopRow(topRow_);
}

int StringGrid::ClampTopRow(int row) const {
  const int lastTop = std::max(fixedRows_, RowCount() - VisibleDataRows());
  return std::clamp(row, fixedRows_, lastTop);
}

void StringGrid::SetTopRow(int row) {
  row = ClampTopRow(row);
  if (row == topRow_) return;
  topRow_ = row;
  NotifyPeer(Property::Selection);
}

void StringGrid::ScrollIntoView() {
  int top = topRow_;
  if (row_ < top) top = row_;
  if (row_ >= top + VisibleDataRows()) top = row_ - VisibleDataRows() + 1;
  topRow_ = ClampTopRow(top);
}

int StringGrid::RowTop(int row) const {
  if (row < 0 || row >= RowCount()) return -1;
  if (row < fixedRows_) return row * RowPitch();
  if (row < topRow_) return -1;
  return (fixedRows_ + row - topRow_) * RowPitch();
}

int StringGrid::RowInSlot(int slot) const {
  if (slot < 0) return -1;
  const int row = slot < fixedRows_ ? slot : topRow_ + slot - fixedRows_;
  return row < RowCount() ? row : -1;
}

int StringGrid::RowAt(int y) const { return RowInSlot(y < 0 ? -1 : y / RowPitch()); }

int StringGrid::RowAt(int y, const Scale& scale) const {
  return RowInSlot(scale.BandAt(y, RowPitch()));
}

int StringGrid::DataRowsFitting(int height, const Scale& scale) const {
  return scale.BandAt(height, RowPitch()) - fixedRows_;
}

std::optional<int> StringGrid::RowForKey(int key) const {
  switch (key) {
    case kKeyUp:
      return row_ - 1;
    case kKeyDown:
      return row_ + 1;
    case kKeyPageUp:
      return row_ - VisibleDataRows();
    case kKeyPageDown:
      return row_ + VisibleDataRows();
    case kKeyHome:
      return fixedRows_;
    case kKeyEnd:
      return RowCount() - 1;
    default:
      return std::nullopt;
  }
}

bool StringGrid::KeyPressed(int key, ShiftState /*shift*/) {
  const std::optional<int> wanted = RowForKey(key);
  if (!wanted) return false;
  const int target = ClampRow(*wanted);
  if (target != row_) RowChosenByUser(target);
  return true;
}

void StringGrid::RowChosenByUser(int row) {
  SetRow(row);
  if (OnClick) OnClick();
}

}  // namespace morvane::ui
