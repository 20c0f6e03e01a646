#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvane::net {

// A text for a protocol's field or for the program's messages: well-formed
// UTF-8 (base/name_text.h), each control code (C0 and DEL) a blank, so that
// it ends no line and means nothing to the other end, and cut to maxOctets
// at the start of a character.
std::string BoundedText(std::string_view text, std::size_t maxOctets);

}  // namespace morvane::net
