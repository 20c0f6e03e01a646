#pragma once

namespace morvane::ui {

// Virtual-key codes, the same numbers Windows uses, so that the forms and
// their tests need no Windows header.
inline constexpr int kKeyReturn = 0x0D;
inline constexpr int kKeyEscape = 0x1B;
inline constexpr int kKeyPageUp = 0x21;
inline constexpr int kKeyPageDown = 0x22;
inline constexpr int kKeyEnd = 0x23;
inline constexpr int kKeyHome = 0x24;
inline constexpr int kKeyLeft = 0x25;
inline constexpr int kKeyUp = 0x26;
inline constexpr int kKeyRight = 0x27;
inline constexpr int kKeyDown = 0x28;
inline constexpr int kKeyF1 = 0x70;
inline constexpr int kKeyF2 = 0x71;
inline constexpr int kKeyF3 = 0x72;
inline constexpr int kKeyF12 = 0x7B;

// The modifier keys held while a key went down.
struct ShiftState {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  friend bool operator==(const ShiftState&, const ShiftState&) = default;
};

}  // namespace morvane::ui
