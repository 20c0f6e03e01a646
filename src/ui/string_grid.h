#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace morvane::ui {

// A grid of text cells with fixed header rows, whole-row selection and no
// in-place editing: its cells change only from the program.
class StringGrid : public Control {
 public:
  StringGrid(Control* parent, std::string name, int colCount, int rowCount);
  ControlKind Kind() const override { return ControlKind::StringGrid; }

  int ColCount() const { return colCount_; }
  int RowCount() const { return static_cast<int>(cells_.size()); }
  // Rows beyond a smaller count are discarded with their contents; new rows
  // are empty. The selection stays within the rows.
  void SetRowCount(int rowCount);

  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int rows) { fixedRows_ = rows; }
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int height) { defaultRowHeight_ = height; }
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);

  // Out-of-range cells read as empty and ignore writes.
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, const std::string& text);

  // The selected row: the top row of the selection, never a fixed row.
  int Row() const { return row_; }
  // Moves the selection from the program; raises no click.
  void SetRow(int row);
  // The user clicked a row or moved the selection with the keyboard.
  void RowChosenByUser(int row);

  std::function<void()> OnClick;

 private:
  int ClampRow(int row) const;

  int colCount_;
  int fixedRows_ = 1;
  int defaultRowHeight_ = 24;
  int row_ = 1;
  std::vector<int> colWidths_;
  std::vector<std::vector<std::string>> cells_;
};

}  // namespace morvane::ui
