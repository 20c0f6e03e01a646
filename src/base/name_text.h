#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvane::base {

// Every text travels through the program as UTF-8: the program's own texts,
// file and printer names, whatever the user types. It becomes UTF-16 at each
// call of the system (platform/win32/wide_names.h, ui/win32/window_text.h).
// Only the control strings are no text: they are bytes of the ANSI code page,
// kept and sent as they are.
//
// A name the system hands over that holds half of a UTF-16 surrogate pair
// cannot be written in UTF-8. Such a half becomes kUncarriedCharacter, a '?'
// (which no file name may hold) and a byte that UTF-8 never holds: the name
// names no file, and the program refuses it with a warning.
inline constexpr char kUncarriedCharacter[] = "?\xFF";

// The warning for a name that holds a character that could not be carried.
inline constexpr char kNameNotCarried[] =
    "Deze naam bevat tekens die het programma niet kan doorgeven.";

// Whether the name holds a character that could not be carried.
bool HoldsUncarriedCharacter(std::string_view name);

// The length of the well-formed UTF-8 character at position at, or 0.
std::size_t Utf8LengthAt(std::string_view text, std::size_t at);

// Where the text's last character starts (a byte that starts no well-formed
// character counts as one); the text's size when it is empty.
std::size_t LastCharacterStart(std::string_view text);

// The text with every byte that starts no well-formed UTF-8 character (an
// uncarried character among them) replaced by U+FFFD, for a file that
// promises UTF-8 to its readers.
std::string WellFormedUtf8(std::string_view text);

}  // namespace morvane::base
