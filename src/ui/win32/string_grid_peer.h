#pragma once

#include <windows.h>

#include "ui/string_grid.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

// The grid as a window class of our own. It paints only the rows in view,
// the fixed rows raised, the selected row highlighted, and scrolls vertically.
// A click or an arrow key selects a row; the fixed rows cannot be selected.
class StringGridPeer : public TypedPeer<StringGrid> {
 public:
  StringGridPeer(StringGrid& grid, HWND window);
  void Changed(Property property) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  void PaintRow(HDC dc, int row, const RECT& client, bool focused);
  void Resized();
  void UpdateScrollBar();
  void Scroll(WORD request);
  void ScheduleRefresh();

  // A refresh is posted and not yet done: changes in between need no other.
  bool refreshPending_ = false;
};

}  // namespace morvane::ui::win32
