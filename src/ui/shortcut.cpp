#include "ui/shortcut.h"

namespace morvane::ui {
namespace {

constexpr char kCtrlName[] = "Ctrl+";
constexpr char kShiftName[] = "Shift+";
constexpr char kAltName[] = "Alt+";
constexpr char kFunctionKeyName[] = "F";
constexpr char kUpKeyName[] = "Pijl-omhoog";
constexpr char kDownKeyName[] = "Pijl-omlaag";

}  // namespace

std::string ShortcutText(const Shortcut& shortcut) {
  if (shortcut.key == 0) return {};
  std::string text;
  if (shortcut.shift.ctrl) text += kCtrlName;
  if (shortcut.shift.shift) text += kShiftName;
  if (shortcut.shift.alt) text += kAltName;
  if (shortcut.key == kKeyUp) {
    text += kUpKeyName;
  } else if (shortcut.key == kKeyDown) {
    text += kDownKeyName;
  } else if (shortcut.key >= kKeyF1 && shortcut.key <= kKeyF12) {
    text += kFunctionKeyName;
    text += std::to_string(shortcut.key - kKeyF1 + 1);
  } else {
    text += static_cast<char>(shortcut.key);
  }
  return text;
}

}  // namespace morvane::ui
