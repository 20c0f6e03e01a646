#pragma once

#include <string>
#include <string_view>

namespace morvane::base {

// The program's name comparisons fold the ASCII letters a to z to upper case
// and leave every other byte as it is.
std::string FoldAsciiUpper(std::string_view text);

}  // namespace morvane::base
