#include "ui/string_grid.h"

#include <algorithm>

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
  NotifyPeer(Property::Selection);
}

void StringGrid::RowChosenByUser(int row) {
  SetRow(row);
  if (OnClick) OnClick();
}

}  // namespace morvane::ui
