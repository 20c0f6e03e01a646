#include "ui/win32/window_classes.h"

#include <string>

#include "platform/win32/win32_screen_cursor.h"
#include "ui/panel.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {
namespace {

constexpr char kFontFace[] = "MS Sans Serif";
constexpr int kFontHeight = -11;
constexpr int kTextMargin = 4;
constexpr int kGroupCaptionIndent = 8;

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

UINT EdgeOf(Bevel bevel, bool outer) {
  if (bevel == Bevel::Raised) return outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
  if (bevel == Bevel::Lowered) return outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
  return 0;
}

void PaintPanel(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT rect;
  GetClientRect(window, &rect);
  auto* peer = WindowPeer::FromWindow(window);
  if (peer && peer->Model().Kind() == ControlKind::Panel) {
    const auto& panel = static_cast<const Panel&>(peer->Model());
    if (UINT outer = EdgeOf(panel.OuterBevel(), true)) {
      DrawEdge(dc, &rect, outer, BF_RECT | BF_ADJUST);
    }
    if (UINT inner = EdgeOf(panel.InnerBevel(), false)) {
      DrawEdge(dc, &rect, inner, BF_RECT | BF_ADJUST);
    }
    const std::string text = WindowText(window);
    if (!text.empty()) {
      HGDIOBJ oldFont = SelectObject(dc, ProgramFont());
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      const bool left = panel.Alignment() == TextAlignment::Left;
      rect.left += kTextMargin;
      DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                (left ? DT_LEFT : DT_CENTER) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      SelectObject(dc, oldFont);
    }
  }
  EndPaint(window, &paint);
}

void PaintGroupBox(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT rect;
  GetClientRect(window, &rect);
  HGDIOBJ oldFont = SelectObject(dc, ProgramFont());
  TEXTMETRICA metrics;
  GetTextMetricsA(dc, &metrics);
  RECT frame = rect;
  frame.top += metrics.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  const std::string text = WindowText(window);
  if (!text.empty()) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutA(dc, kGroupCaptionIndent, 0, text.c_str(), static_cast<int>(text.size()));
  }
  SelectObject(dc, oldFont);
  EndPaint(window, &paint);
}

LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleCommonMessage(window, message, wParam, lParam, result)) return result;
  if (message == WM_PAINT) {
    PaintPanel(window);
    return 0;
  }
  if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
    auto* peer = WindowPeer::FromWindow(window);
    if (peer && peer->Model().Kind() == ControlKind::Panel) {
      auto& panel = static_cast<Panel&>(peer->Model());
      if (panel.OnMouseDown) {
        MouseDownEvent event;
        event.button = message == WM_LBUTTONDOWN   ? MouseDownEvent::Button::Left
                       : message == WM_RBUTTONDOWN ? MouseDownEvent::Button::Right
                                                   : MouseDownEvent::Button::Middle;
        event.shift = (wParam & MK_SHIFT) != 0;
        event.ctrl = (wParam & MK_CONTROL) != 0;
        event.x = static_cast<short>(LOWORD(lParam));
        event.y = static_cast<short>(HIWORD(lParam));
        panel.OnMouseDown(event);
        return 0;
      }
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleCommonMessage(window, message, wParam, lParam, result)) return result;
  if (message == WM_PAINT) {
    PaintGroupBox(window);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterClassOnce(const char* name, WNDPROC procedure) {
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hIcon = LoadIconA(windowClass.hInstance, MAKEINTRESOURCEA(1));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  RegisterClassExA(&windowClass);
}

}  // namespace

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void RegisterWindowClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  RegisterClassOnce(kApplicationClass, ApplicationProc);
  RegisterClassOnce(kFormClass, FormProc);
  RegisterClassOnce(kPanelClass, PanelProc);
  RegisterClassOnce(kGroupBoxClass, GroupBoxProc);
}

HFONT ProgramFont() {
  static HFONT font = CreateFontA(kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                  ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFontFace);
  return font;
}

bool HandleCommonMessage(HWND /*window*/, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT& result) {
  switch (message) {
    case WM_COMMAND: {
      HWND child = reinterpret_cast<HWND>(lParam);
      if (!child) return false;
      if (auto* peer = WindowPeer::FromWindow(child)) peer->Command(HIWORD(wParam));
      result = 0;
      return true;
    }
    case WM_SETCURSOR:
      if (void* cursor = platform::win32::Win32ScreenCursor::OverridingCursor()) {
        SetCursor(static_cast<HCURSOR>(cursor));
        result = TRUE;
        return true;
      }
      return false;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace morvane::ui::win32
