#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvane::base {

// File names travel through the program as 8-bit text in the system's ANSI
// code page, as every other text does. A character the code page cannot hold
// is written as an escape: kEscapeMark followed by the character's UTF-8
// bytes. The mark is '?', which no file name may hold, so wherever an escaped
// name is taken for plain text it names no file at all, never another one.
// A character that cannot be carried even so (half of a UTF-16 surrogate pair)
// is written as kEscapeMark followed by kUncarriedByte, which starts no escape:
// such a name names no file, and the program refuses it with a warning.
// The platform layer converts at its boundary (platform/win32/ansi_names.h).
inline constexpr char kEscapeMark = '?';
inline constexpr char kUncarriedByte = '\xFF';

// The warning for a name that holds a character that could not be carried.
inline constexpr char kNameNotCarried[] =
    "Deze naam bevat tekens die het programma niet kan doorgeven.";

// The length in bytes of the escape starting at position at (mark included),
// or 0 when none starts there.
std::size_t EscapeLengthAt(std::string_view text, std::size_t at);

// Whether the text holds at least one escape.
bool HoldsEscape(std::string_view text);

// Whether the name holds a character that could not be carried.
bool HoldsUncarriedCharacter(std::string_view name);

// Where the text's last character starts; an escape counts as one character.
// The text's size when it is empty.
std::size_t LastCharacterStart(std::string_view text);

}  // namespace morvane::base
