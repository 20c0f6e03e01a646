#include "ui/win32/panel_windows.h"

#include <string>

#include "ui/win32/window_classes.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {
namespace {

constexpr int kTextMargin = 4;
constexpr int kGroupCaptionIndent = 8;

// Both bevels are one pixel: white and grey raised, grey and white lowered.
UINT EdgeOf(Bevel bevel) {
  if (bevel == Bevel::Raised) return BDR_RAISEDINNER;
  if (bevel == Bevel::Lowered) return BDR_SUNKENOUTER;
  return 0;
}

MouseDownEvent::Button ButtonOf(UINT message) {
  if (message == WM_LBUTTONDOWN) return MouseDownEvent::Button::Left;
  if (message == WM_RBUTTONDOWN) return MouseDownEvent::Button::Right;
  return MouseDownEvent::Button::Middle;
}

}  // namespace

void PanelPeer::Paint() {
  const Panel& panel = Model();
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Window(), &paint);
  RECT rect;
  GetClientRect(Window(), &rect);
  // Outer bevel, then the border width in the face colour, then the inner.
  if (UINT outer = EdgeOf(panel.OuterBevel())) DrawEdge(dc, &rect, outer, BF_RECT | BF_ADJUST);
  const DpiScale scale = Scale();
  InflateRect(&rect, -scale.Out(panel.BorderWidth()), -scale.Out(panel.BorderWidth()));
  if (UINT inner = EdgeOf(panel.InnerBevel())) DrawEdge(dc, &rect, inner, BF_RECT | BF_ADJUST);
  std::wstring text = WideWindowText(Window());
  if (!text.empty()) {
    HGDIOBJ oldFont = SelectObject(dc, ProgramFont(Window()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    const bool left = panel.Alignment() == TextAlignment::Left;
    if (left) rect.left += scale.Out(kTextMargin);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect,
              (left ? DT_LEFT : DT_CENTER) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
  }
  EndPaint(Window(), &paint);
}

LRESULT PanelPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      const Panel& panel = Model();
      if (!panel.OnMouseDown) break;
      MouseDownEvent event;
      event.button = ButtonOf(message);
      event.shift = (wParam & MK_SHIFT) != 0;
      event.ctrl = (wParam & MK_CONTROL) != 0;
      const POINT at = DesignMousePoint(Window(), lParam);
      event.x = at.x;
      event.y = at.y;
      panel.OnMouseDown(event);
      return 0;
    }
    default:
      break;
  }
  return FramePeer::HandleMessage(message, wParam, lParam);
}

void GroupBoxPeer::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Window(), &paint);
  RECT rect;
  GetClientRect(Window(), &rect);
  HGDIOBJ oldFont = SelectObject(dc, ProgramFont(Window()));
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  RECT frame = rect;
  frame.top += metrics.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const std::wstring text = WideWindowText(Window());
  if (!text.empty()) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutW(dc, Scale().Out(kGroupCaptionIndent), 0, text.c_str(), static_cast<int>(text.size()));
  }
  SelectObject(dc, oldFont);
  EndPaint(Window(), &paint);
}

}  // namespace morvane::ui::win32
