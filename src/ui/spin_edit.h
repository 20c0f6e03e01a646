#pragma once

#include <functional>
#include <optional>
#include <string>

#include "ui/control.h"

namespace morvane::ui {

// A text field for a whole number with arrow buttons. Its text may hold what
// the user typed, in or out of range, until the focus leaves it.
class SpinEdit : public Control {
 public:
  SpinEdit(Control* parent, std::string name, int minValue, int maxValue);
  static constexpr ControlKind kKind{ControlKind::Focus::Takes};
  const ControlKind& Kind() const override { return kKind; }

  int MinValue() const { return minValue_; }
  int MaxValue() const { return maxValue_; }
  int Increment() const { return increment_; }

  // The text as a number, the minimum when it is not a number; not limited to
  // the range.
  int Value() const;
  // Sets the text to the value limited to the range.
  void SetValue(int value);

  // Whether a typed character is taken: digits, "+", "-", the locale's decimal
  // separator and control characters other than Enter.
  bool AcceptsCharacter(char c) const;
  void SetDecimalSeparator(char separator) { decimalSeparator_ = separator; }

  // The arrow buttons.
  void StepUp() { SetValue(Value() + increment_); }
  void StepDown() { SetValue(Value() - increment_); }
  // The focus left the field: its text is corrected to the range.
  void FocusLost() override;

  std::function<void()> OnChange;

 protected:
  void TextChanged() override;

 private:
  int minValue_;
  int maxValue_;
  int increment_ = 1;
  char decimalSeparator_ = ',';
};

}  // namespace morvane::ui
