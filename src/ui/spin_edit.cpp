#include "ui/spin_edit.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>

namespace morvane::ui {
namespace {
constexpr char kEnter = '\r';
constexpr unsigned char kFirstPrintable = 32;
}  // namespace

std::optional<int> ParseInteger(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (!std::isdigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::int64_t{std::numeric_limits<int>::max()} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
    return std::nullopt;
  }
  return static_cast<int>(value);
}

SpinEdit::SpinEdit(Control* parent, std::string name, int minValue, int maxValue)
    : Control(parent, std::move(name)), minValue_(minValue), maxValue_(maxValue) {
  SetText(std::to_string(minValue_));
}

int SpinEdit::Value() const { return ParseInteger(Text()).value_or(minValue_); }

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
  if (value < minValue_ || value > maxValue_ || !ParseInteger(Text())) SetValue(value);
}

void SpinEdit::TextChanged() {
  if (OnChange) OnChange();
}

}  // namespace morvane::ui
