#pragma once

#include <string>
#include <string_view>

namespace morvane::platform::win32 {

// The conversions between the system's UTF-16 and the program's UTF-8
// (base/name_text.h). Every name the system hands over (dropped, chosen, on
// the command line, the program's own) passes NameFromWide; every name and
// text handed to the system passes WideFromName, to a wide call.

// The UTF-8 form of the name; half of a surrogate pair becomes the uncarried
// character. Converting the result back always gives the name again, or the
// result holds an uncarried character.
std::string NameFromWide(std::wstring_view wide);

// The UTF-16 form of a text of the program. An uncarried character becomes a
// '?', so the name names no file; any other byte that starts no well-formed
// character becomes U+FFFD.
std::wstring WideFromName(std::string_view name);

// The control strings and texts stored by earlier versions are bytes of the
// ANSI code page, and cross as an ANSI window would take them: byte for byte
// both ways for every character the code page holds.
std::wstring WideFromCodePage(std::string_view bytes);
std::string CodePageFromWide(std::wstring_view wide);

}  // namespace morvane::platform::win32
