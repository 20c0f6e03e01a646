#include "ui/spin_edit.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>

#include "base/count_text.h"

namespace morvane::ui {
namespace {
constexpr char kEnter = '\r';
constexpr unsigned char kFirstPrintable = 32;
}  // namespace

SpinEdit::SpinEdit(Control* parent, std::string name, int minValue, int maxValue)
    : Control(parent, std::move(name)), minValue_(minValue), maxValue_(maxValue) {
  SetText(std::to_string(minValue_));
}

int SpinEdit::Value() const { return base::ParseInteger(Text()).value_or(minValue_); }

void SpinEdit::SetValue(int value) {
  SetText(std::to_string(std::clamp(value, minValue_, maxValue_)));
}

bool SpinEdit::AcceptsCharacter(char c) const {
  if (static_cast<unsigned char>(c) < kFirstPrintable) return c != kEnter;
  return std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' ||
         c == decimalSeparator_;
}

void SpinEdit::FocusLost() {
  const int value = Value();
  if (value < minValue_ || value > maxValue_ || !base::ParseInteger(Text())) SetValue(value);
}

void SpinEdit::TextChanged() {
  if (OnChange) OnChange();
}

}  // namespace morvane::ui
