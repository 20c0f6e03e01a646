#include "ui/win32/string_grid_peer.h"

#include <algorithm>

#include "ui/win32/window_classes.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {
namespace {

// Where a cell's text starts inside the cell.
constexpr int kCellTextOffset = 2;
constexpr int kWheelRows = 3;

// Posted to itself: the rows changed, the window shows them anew once, however
// many cells changed before the message comes (a list of thousands is filled
// one cell at a time).
constexpr UINT kRefreshMessage = WM_APP + 1;

void DrawCellText(HDC dc, const RECT& cell, const std::string& text, const DpiScale& scale) {
  const int x = cell.left + scale.Out(kCellTextOffset);
  const int y = cell.top + scale.Out(kCellTextOffset);
  constexpr UINT kOptions = ETO_CLIPPED | ETO_OPAQUE;
  const std::wstring wide = WideText(text);
  ExtTextOutW(dc, x, y, kOptions, &cell, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}

}  // namespace

StringGridPeer::StringGridPeer(StringGrid& grid, HWND window) : TypedPeer(grid, window) {
  Resized();
}

void StringGridPeer::Changed(Property property) {
  switch (property) {
    case Property::Items:
    case Property::Selection:
      ScheduleRefresh();
      break;
    default:
      WindowPeer::Changed(property);
  }
}

void StringGridPeer::ScheduleRefresh() {
  if (refreshPending_) return;
  refreshPending_ = PostMessageW(Window(), kRefreshMessage, 0, 0) != FALSE;
}

void StringGridPeer::Resized() {
  RECT client;
  GetClientRect(Window(), &client);
  Model().SetVisibleDataRows(Model().DataRowsFitting(client.bottom, Scale()));
  UpdateScrollBar();
  InvalidateRect(Window(), nullptr, FALSE);
}

void StringGridPeer::UpdateScrollBar() {
  const StringGrid& grid = Model();
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = grid.RowCount() - grid.FixedRows() - 1;
  info.nPage = static_cast<UINT>(grid.VisibleDataRows());
  info.nPos = grid.TopRow() - grid.FixedRows();
  // Without SIF_DISABLENOSCROLL the bar goes away while every row fits.
  SetScrollInfo(Window(), SB_VERT, &info, TRUE);
}

void StringGridPeer::Scroll(WORD request) {
  StringGrid& grid = Model();
  const int page = grid.VisibleDataRows();
  int top = grid.TopRow();
  switch (request) {
    case SB_LINEUP:
      --top;
      break;
    case SB_LINEDOWN:
      ++top;
      break;
    case SB_PAGEUP:
      top -= page;
      break;
    case SB_PAGEDOWN:
      top += page;
      break;
    case SB_TOP:
      top = grid.FixedRows();
      break;
    case SB_BOTTOM:
      top = grid.RowCount();
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{};
      info.cbSize = sizeof(info);
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(Window(), SB_VERT, &info);
      top = grid.FixedRows() + info.nTrackPos;
      break;
    }
    default:
      return;
  }
  grid.SetTopRow(top);
}

// The grid's columns and rows are in 96-dpi pixels; each edge is scaled on its
// own, so that cells, lines and rows meet at every scale.
void StringGridPeer::PaintRow(HDC dc, int row, const RECT& client, bool focused) {
  const StringGrid& grid = Model();
  const DpiScale scale = Scale();
  const int designBottom = grid.RowTop(row) + grid.DefaultRowHeight();
  const int top = scale.Out(grid.RowTop(row));
  const int bottom = scale.Out(designBottom);
  const int lineBottom = scale.Out(designBottom + kGridLineWidth);
  const bool fixed = row < grid.FixedRows();
  const bool selected = row == grid.Row();
  HBRUSH lines = GetSysColorBrush(COLOR_BTNSHADOW);
  SetTextColor(dc, GetSysColor(selected && !fixed ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(selected && !fixed ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
  int designLeft = 0;
  int left = 0;
  int lastCellRight = 0;
  for (int col = 0; col < grid.ColCount(); ++col) {
    const int designRight = designLeft + grid.ColWidth(col);
    RECT cell{scale.Out(designLeft), top, scale.Out(designRight), bottom};
    DrawCellText(dc, cell, grid.Cell(col, row), scale);
    if (fixed) DrawEdge(dc, &cell, BDR_RAISEDINNER, BF_RECT);
    designLeft = designRight + kGridLineWidth;
    RECT line{cell.right, top, scale.Out(designLeft), lineBottom};
    FillRect(dc, &line, lines);
    lastCellRight = cell.right;
    left = line.right;
  }
  RECT underline{0, bottom, left, lineBottom};
  FillRect(dc, &underline, lines);
  RECT rest{left, top, client.right, lineBottom};
  FillRect(dc, &rest, GetSysColorBrush(COLOR_BTNFACE));
  if (selected && focused && !fixed) {
    RECT focus{0, top, lastCellRight, bottom};
    DrawFocusRect(dc, &focus);
  }
}

void StringGridPeer::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Window(), &paint);
  RECT client;
  GetClientRect(Window(), &client);
  HGDIOBJ oldFont = SelectObject(dc, ProgramFont(Window()));
  const StringGrid& grid = Model();
  const bool focused = GetFocus() == Window();
  int below = 0;
  auto paintRow = [&](int row) {
    PaintRow(dc, row, client, focused);
    below = Scale().Out(grid.RowTop(row) + grid.RowPitch());
  };
  for (int row = 0; row < grid.FixedRows() && row < grid.RowCount(); ++row) paintRow(row);
  for (int row = grid.TopRow(); row < grid.RowCount() && below < client.bottom; ++row) {
    paintRow(row);
  }
  RECT rest{0, below, client.right, client.bottom};
  FillRect(dc, &rest, GetSysColorBrush(COLOR_BTNFACE));
  SelectObject(dc, oldFont);
  EndPaint(Window(), &paint);
}

LRESULT StringGridPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = Window();
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // the painting covers every pixel
    case WM_SIZE:
      Resized();
      return 0;
    case kRefreshMessage:
      refreshPending_ = false;
      UpdateScrollBar();
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_VSCROLL:
      Scroll(LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL: {
      const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
      Model().SetTopRow(Model().TopRow() - notches * kWheelRows);
      return 0;
    }
    case WM_LBUTTONDOWN: {
      ::SetFocus(window);
      // Against the edges as painted, in the window's own pixels: a 96-dpi
      // point rounds differently from the edges at some scales.
      const int row = Model().RowAt(MousePoint(lParam).y, Scale());
      if (row >= Model().FixedRows()) Model().RowChosenByUser(row);
      return 0;
    }
    case WM_KEYDOWN:
      if (Model().KeyPressed(static_cast<int>(wParam), CurrentShiftState())) return 0;
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    default:
      break;
  }
  return WindowPeer::HandleMessage(message, wParam, lParam);
}

}  // namespace morvane::ui::win32
