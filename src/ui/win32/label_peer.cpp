#include "ui/win32/label_peer.h"

#include <string>

#include "ui/win32/win32_screen_cursor.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {

LabelPeer::LabelPeer(Label& label, HWND window) : TypedPeer(label, window) {
  ApplyFont();
  FitToText();
}

LabelPeer::~LabelPeer() {
  if (font_) DeleteObject(font_);
}

void LabelPeer::Changed(Property property) {
  WindowPeer::Changed(property);
  if (property == Property::Text) FitToText();
  if (property == Property::Font) {
    ApplyFont();
    InvalidateRect(Window(), nullptr, TRUE);
  }
}

void LabelPeer::Rescaled() {
  ApplyFont();
  WindowPeer::Changed(Property::Bounds);
  FitToText();
}

HCURSOR LabelPeer::OwnCursor() const {
  const base::Cursor cursor = Model().Cursor();
  return cursor == base::Cursor::Default ? nullptr : SystemCursor(cursor);
}

LRESULT LabelPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!hovering_) {
        hovering_ = true;
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, Window(), 0};
        TrackMouseEvent(&track);
        Model().MouseEntered();
      }
      break;
    case WM_MOUSELEAVE:
      hovering_ = false;
      Model().MouseLeft();
      return 0;
    case WM_LBUTTONDOWN: {
      // Any capture in the forms around the label ends first; then the
      // press is handled as usual, then the label acts on it.
      SendMessageW(GetAncestor(Window(), GA_ROOT), WM_CANCELMODE, 0, 0);
      const LRESULT result = WindowPeer::HandleMessage(message, wParam, lParam);
      Model().LeftButtonDown();
      return result;
    }
    default:
      break;
  }
  return WindowPeer::HandleMessage(message, wParam, lParam);
}

void LabelPeer::ApplyFont() {
  const Font& font = Model().GetFont();
  if (font == Font{}) {
    UseFont(Window(), ProgramFont(Window()));
    return;
  }
  HFONT created = CreateProgramFont(font, Scale());
  UseFont(Window(), created);
  if (font_) DeleteObject(font_);
  font_ = created;
}

void LabelPeer::FitToText() {
  Label& label = Model();
  if (!label.AutoSize()) return;
  HDC dc = GetDC(Window());
  HGDIOBJ oldFont = SelectObject(dc, font_ ? font_ : ProgramFont(Window()));
  const std::wstring text = WideText(label.Text());
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, oldFont);
  ReleaseDC(Window(), dc);
  // The model keeps the size in 96-dpi pixels; the window gets it measured.
  const DpiScale scale = Scale();
  const Bounds& b = label.GetBounds();
  const RECT at = scale.Out(b);
  MoveWindow(Window(), at.left, at.top, size.cx, size.cy, TRUE);
  label.SetBounds(b.left, b.top, scale.In(size.cx), scale.In(size.cy));
}

}  // namespace morvane::ui::win32
