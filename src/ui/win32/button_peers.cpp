#include "ui/win32/button_peers.h"

#include <string>

#include "ui/button_face.h"
#include "ui/win32/button_control.h"
#include "ui/win32/pictures.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {
namespace {

// How far the focus rectangle stands off the caption.
constexpr int kFocusMargin = 1;

// A key-down message's flag for a key that was already down: a repeat.
constexpr LPARAM kKeyWasDown = LPARAM{1} << 30;

RECT ToRect(const Bounds& b) { return RECT{b.left, b.top, b.left + b.width, b.top + b.height}; }

Bounds ToBounds(const RECT& r) { return Bounds{r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// Disabled text, engraved like the greyed pictures.
void DrawCaption(HDC dc, const std::wstring& text, const Bounds& at, bool disabled) {
  SetBkMode(dc, TRANSPARENT);
  const int length = static_cast<int>(text.size());
  if (disabled) {
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    TextOutW(dc, at.left + 1, at.top + 1, text.c_str(), length);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  } else {
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  }
  TextOutW(dc, at.left, at.top, text.c_str(), length);
}

}  // namespace

LRESULT ButtonPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDBLCLK:
      // Owner-drawn buttons report a double click instead of a second press.
      return WindowPeer::HandleMessage(WM_LBUTTONDOWN, wParam, lParam);
    case WM_GETDLGCODE: {
      // Enter on a focused button presses it, as the space bar does; dialog
      // navigation would otherwise take it for the form's default button,
      // which none of our forms has.
      const LRESULT code = WindowPeer::HandleMessage(message, wParam, lParam);
      const auto* queued = reinterpret_cast<const MSG*>(lParam);
      if (queued && queued->message == WM_KEYDOWN && queued->wParam == VK_RETURN) {
        return code | DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_KEYDOWN:
      // A key held down presses the button once.
      if (wParam == VK_RETURN) {
        if (!(lParam & kKeyWasDown)) Model().Click();
        return 0;
      }
      return WindowPeer::HandleMessage(message, wParam, lParam);
    case WM_ENABLE:
      // The system button draws itself at once here, which makes the busy
      // state of a run cost a full drawing of every target button before the
      // window can answer again; the next paint shows the new state as well.
      InvalidateRect(Window(), nullptr, FALSE);
      return 0;
    default:
      return WindowPeer::HandleMessage(message, wParam, lParam);
  }
}

void ButtonPeer::OnCommand(WORD code) {
  if (code == BN_CLICKED) Model().Click();
}

void ButtonPeer::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const Button& button = Model();
  HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;

  // A focused button wears the default button's dark frame.
  if (focused) {
    FrameRect(dc, &rect, GetSysColorBrush(COLOR_WINDOWFRAME));
    InflateRect(&rect, -1, -1);
  }
  if (pressed) {
    FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
    FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNSHADOW));
  } else {
    DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH);
  }

  HGDIOBJ oldFont = SelectObject(dc, ProgramFont(Window()));
  const std::wstring text = WideText(button.Text());
  SIZE extent{0, 0};
  if (!text.empty()) {
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  }
  const bool hasPicture = button.GetPicture() != Picture::None;
  const int pictureSize = PictureSize(Scale());
  const Size picture = hasPicture ? Size{pictureSize, pictureSize} : Size{};
  FacePlacement place = PlaceButtonFace(ToBounds(item.rcItem), picture, Size{extent.cx, extent.cy},
                                        button.GetPictureLayout());
  if (pressed) {
    for (Bounds* b : {&place.picture, &place.caption}) {
      ++b->left;
      ++b->top;
    }
  }
  if (hasPicture) {
    DrawPicture(dc, button.GetPicture(), pictureSize, place.picture.left, place.picture.top,
                disabled);
  }
  if (!text.empty()) DrawCaption(dc, text, place.caption, disabled);
  if (focused && !(item.itemState & ODS_NOFOCUSRECT) && !text.empty()) {
    RECT focus = ToRect(place.caption);
    const int margin = Scale().Out(kFocusMargin);
    InflateRect(&focus, margin, margin);
    DrawFocusRect(dc, &focus);
  }
  SelectObject(dc, oldFont);
}

CheckBoxPeer::CheckBoxPeer(CheckBox& box, HWND window) : TypedPeer(box, window) {
  Changed(Property::Checked);
}

void CheckBoxPeer::Changed(Property property) {
  if (property != Property::Checked) return WindowPeer::Changed(property);
  ButtonControl(Window()).SetCheck(Model().Checked());
}

void CheckBoxPeer::OnCommand(WORD code) {
  if (code == BN_CLICKED) Model().Click();
}

void ToolButtonPeer::SetHot(bool hot) {
  if (hot == hot_) return;
  hot_ = hot;
  InvalidateRect(Window(), nullptr, TRUE);
}

void ToolButtonPeer::SetPressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  InvalidateRect(Window(), nullptr, TRUE);
}

void ToolButtonPeer::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Window(), &paint);
  RECT rect;
  GetClientRect(Window(), &rect);
  const bool enabled = IsWindowEnabled(Window()) != FALSE;
  if (enabled && pressed_) {
    DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
  } else if (enabled && (hot_ || tracking_)) {
    DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
  }
  const int shift = pressed_ ? 1 : 0;
  const ToolButton& button = Model();
  const int size = PictureSize(Scale());
  DrawPicture(dc, button.GetPicture(), size, (rect.right - size) / 2 + shift,
              (rect.bottom - size) / 2 + shift, !enabled);
  EndPaint(Window(), &paint);
}

LRESULT ToolButtonPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = Window();
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_MOUSEMOVE: {
      if (!hot_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        SetHot(true);
      }
      if (tracking_) {
        RECT rect;
        GetClientRect(window, &rect);
        SetPressed(PtInRect(&rect, MousePoint(lParam)) != FALSE);
      }
      return 0;
    }
    case WM_MOUSELEAVE:
      SetHot(false);
      return 0;
    case WM_LBUTTONDOWN:
      tracking_ = true;
      SetCapture(window);
      SetPressed(true);
      return 0;
    case WM_LBUTTONUP: {
      if (!tracking_) return 0;
      const bool click = pressed_;
      ReleaseCapture();  // ends the tracking through WM_CAPTURECHANGED
      RECT rect;
      GetClientRect(window, &rect);
      if (!PtInRect(&rect, MousePoint(lParam))) SetHot(false);
      if (click) Model().Click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      tracking_ = false;
      SetPressed(false);
      return 0;
    case WM_ENABLE:
      if (!wParam) SetHot(false);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    default:
      break;
  }
  return WindowPeer::HandleMessage(message, wParam, lParam);
}

}  // namespace morvane::ui::win32
