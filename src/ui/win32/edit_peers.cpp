#include "ui/win32/edit_peers.h"

#include <commctrl.h>

namespace morvane::ui::win32 {
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

}  // namespace

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

void EditPeer::Command(WORD code) {
  if (code == EN_CHANGE && !PuttingText()) Model().TextChangedByUser(WindowText(Window()));
}

bool EditPeer::FilterMessage(MSG& message) {
  if (message.message == WM_LBUTTONDBLCLK) {
    // The field's own double-click handling (selecting a word) still follows.
    Model().DoubleClicked();
  }
  return false;
}

SpinEditPeer::SpinEditPeer(SpinEdit& spin, HWND edit)
    : TypedPeer(spin, edit),
      arrows_(CreateWindowExA(
          0, UPDOWN_CLASSA, nullptr,
          WS_CHILD | WS_CLIPSIBLINGS | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS |
              (spin.Visible() ? WS_VISIBLE : 0) | (spin.Enabled() ? 0 : WS_DISABLED),
          0, 0, 0, 0, GetParent(edit), nullptr, GetModuleHandleA(nullptr), nullptr)) {
  spin.SetDecimalSeparator(LocaleDecimalSeparator());
  if (!arrows_) return;
  Adopt(arrows_);
  SendMessageA(arrows_, UDM_SETRANGE32, static_cast<WPARAM>(kArrowRangeLow), kArrowRangeHigh);
  SendMessageA(arrows_, UDM_SETPOS32, 0, 0);
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
  if (arrows_) SendMessageA(arrows_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(Window()), 0);
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

void SpinEditPeer::Command(WORD code) {
  SpinEdit& spin = Model();
  if (code == EN_CHANGE && !PuttingText()) spin.TextChangedByUser(WindowText(Window()));
  if (code == EN_KILLFOCUS) spin.FocusLost();
}

bool SpinEditPeer::Notify(const NMHDR& header, LRESULT& result) {
  if (header.hwndFrom != arrows_ || header.code != UDN_DELTAPOS) return false;
  const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
  SpinEdit& spin = Model();
  if (change.iDelta > 0) spin.StepUp();
  if (change.iDelta < 0) spin.StepDown();
  result = TRUE;  // keeps the arrows' own position where it is
  return true;
}

bool SpinEditPeer::FilterMessage(MSG& message) {
  if (message.message != WM_CHAR || message.hwnd != Window()) return false;
  if (Model().AcceptsCharacter(static_cast<char>(message.wParam))) {
    return false;
  }
  MessageBeep(0);
  return true;
}

}  // namespace morvane::ui::win32
