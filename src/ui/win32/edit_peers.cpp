#include "ui/win32/edit_peers.h"

#include <commctrl.h>

#include "platform/win32/wide_names.h"
#include "ui/win32/up_down_control.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {

using platform::win32::CodePageFromWide;
using platform::win32::WideFromCodePage;

namespace {

// Wide enough for one digit and a sign beside it.
constexpr int kLocaleTextSize = 4;

// The arrows' own position never moves: each press is passed on as a step.
constexpr int kArrowRangeLow = -1;
constexpr int kArrowRangeHigh = 1;

char LocaleDecimalSeparator() {
  char separator[kLocaleTextSize] = {};
  if (!GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, kLocaleTextSize)) {
    return '.';
  }
  return separator[0];
}

// A typed character as an ANSI window would have had it.
char CodePageCharacter(wchar_t typed) {
  const std::string bytes = CodePageFromWide(std::wstring_view(&typed, 1));
  return bytes.size() == 1 ? bytes[0] : '\0';
}

}  // namespace

EditPeer::EditPeer(Edit& edit, HWND window) : TypedPeer(edit, window) {
  Changed(Property::Text);  // the window was made with the text in the program's form
}

std::wstring EditPeer::WideOf(const std::string& text) const { return WideFromCodePage(text); }

LRESULT EditPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDBLCLK:
      // The field's own double-click handling (selecting a word) still follows.
      Model().DoubleClicked();
      break;
    default:
      break;
  }
  return WindowPeer::HandleMessage(message, wParam, lParam);
}

void EditPeer::OnCommand(WORD code) {
  if (code == EN_CHANGE && !PuttingText()) {
    Model().TextChangedByUser(CodePageFromWide(WideWindowText(Window())));
  }
}

SpinEditPeer::SpinEditPeer(SpinEdit& spin, HWND edit)
    : TypedPeer(spin, edit),
      arrows_(CreateWindowExW(
          0, UPDOWN_CLASSW, nullptr,
          WS_CHILD | WS_CLIPSIBLINGS | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS |
              (spin.Visible() ? WS_VISIBLE : 0) | (spin.Enabled() ? 0 : WS_DISABLED),
          0, 0, 0, 0, GetParent(edit), nullptr, GetModuleHandleW(nullptr), nullptr)) {
  spin.SetDecimalSeparator(LocaleDecimalSeparator());
  if (!arrows_) return;
  Adopt(arrows_);
  UpDownControl arrows(arrows_);
  arrows.SetRange(kArrowRangeLow, kArrowRangeHigh);
  arrows.SetPos(0);
  PlaceArrows();
}

SpinEditPeer::~SpinEditPeer() {
  if (!arrows_) return;
  Disown(arrows_);
  DestroyWindow(arrows_);
}

void SpinEditPeer::PlaceArrows() {
  // Setting the buddy puts the arrows inside the field's right end and
  // narrows the field to make room.
  if (arrows_) UpDownControl(arrows_).SetBuddy(Window());
}

void SpinEditPeer::Changed(Property property) {
  WindowPeer::Changed(property);
  if (!arrows_) return;
  switch (property) {
    case Property::Bounds:
      PlaceArrows();
      break;
    case Property::Visible:
      ShowWindow(arrows_, Model().Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::Enabled:
      EnableWindow(arrows_, Model().Enabled() ? TRUE : FALSE);
      break;
    default:
      break;
  }
}

void SpinEditPeer::Step(const NMUPDOWN& change) {
  if (change.iDelta > 0) Model().StepUp();
  if (change.iDelta < 0) Model().StepDown();
}

LRESULT SpinEditPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      if (Model().AcceptsCharacter(CodePageCharacter(static_cast<wchar_t>(wParam)))) break;
      MessageBeep(0);
      return 0;
    default:
      break;
  }
  return WindowPeer::HandleMessage(message, wParam, lParam);
}

void SpinEditPeer::OnCommand(WORD code) {
  if (code == EN_CHANGE && !PuttingText()) Model().TextChangedByUser(WindowText(Window()));
  if (code == EN_KILLFOCUS) Model().FocusLost();
}

LRESULT SpinEditPeer::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != arrows_ || header.code != UDN_DELTAPOS) return 0;
  // An up-down control's notification begins with its header.
  Step(reinterpret_cast<const NMUPDOWN&>(header));
  return TRUE;  // keeps the arrows' own position where it is
}

}  // namespace morvane::ui::win32
