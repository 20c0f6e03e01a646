#pragma once

#include <optional>
#include <string>

namespace morvane::base {

// An integer the way the count texts are read: optional blanks, an optional
// sign and decimal digits within 32 bits; nothing else is a number.
std::optional<int> ParseInteger(const std::string& text);

}  // namespace morvane::base
