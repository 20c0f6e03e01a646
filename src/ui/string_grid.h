#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/scale.h"

namespace morvane::ui {

// The line drawn below every row and right of every column.
inline constexpr int kGridLineWidth = 1;

// A grid of text cells with fixed header rows, whole-row selection and no
// in-place editing: its cells change only from the program. The rows below
// the fixed ones scroll vertically; the selection stays in view.
class StringGrid : public Control {
 public:
  StringGrid(Control* parent, std::string name, int colCount, int rowCount);
  static constexpr ControlKind kKind{ControlKind::Focus::Takes};
  const ControlKind& Kind() const override { return kKind; }

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

  // The first scrolling row in view, just below the fixed rows.
  int TopRow() const { return topRow_; }
  // Scrolls; the view never starts beyond the last page.
  void SetTopRow(int row);
  // How many scrolling rows fit wholly in the window. The peer reports it
  // from its client area; until then it is estimated from the bounds.
  int VisibleDataRows() const;
  void SetVisibleDataRows(int rows);

  // Rows in the client area: the fixed rows at the top, then the scrolling
  // rows from TopRow, each DefaultRowHeight high with a grid line below.
  int RowPitch() const { return defaultRowHeight_ + kGridLineWidth; }
  // The client y of a row's top; rows scrolled out of view above the fixed
  // ones have no place (-1).
  int RowTop(int row) const;
  // The row at a client y, or -1 below the last row.
  int RowAt(int y) const;
  // The same for a y in device pixels at the scale. Every edge of a row is
  // scaled on its own, as the rows are painted, so a pixel belongs to the
  // row painted on it: a grid line to the row above it.
  int RowAt(int y, const Scale& scale) const;
  // How many scrolling rows fit wholly in a client area of that many device
  // pixels at the scale.
  int DataRowsFitting(int height, const Scale& scale) const;

  // Up, Down, PageUp, PageDown, Home and End move the selection; a move the
  // user made this way raises the click event, as a click does.
  bool KeyPressed(int key, ShiftState shift) override;

  std::function<void()> OnClick;

 private:
  int ClampRow(int row) const;
  // The row in the n-th place from the top of the client area, or -1.
  int RowInSlot(int slot) const;
  // Where a navigation key moves the selection, before clamping; none for
  // other keys.
  std::optional<int> RowForKey(int key) const;
  int ClampTopRow(int row) const;
  void ScrollIntoView();

  int colCount_;
  int fixedRows_ = 1;
  int defaultRowHeight_ = 24;
  int row_ = 1;
  int topRow_ = 1;
  int visibleDataRows_ = 0;
  std::vector<int> colWidths_;
  std::vector<std::vector<std::string>> cells_;
};

}  // namespace morvane::ui
