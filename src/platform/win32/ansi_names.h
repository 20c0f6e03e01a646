#pragma once

#include <string>
#include <string_view>

namespace morvane::platform::win32 {

// The conversions between the system's UTF-16 names and the program's text
// form of them (platform/name_text.h). Every name the system hands over
// (dropped, chosen, on the command line, the program's own) passes
// NameFromWide; every name handed back to the system passes WideFromName or,
// when it holds no escape, goes to the ANSI call unchanged.

// The ANSI bytes of the name when the code page holds each character exactly
// (never a best-fit substitute: an L for an Ł would name another file);
// otherwise those bytes with an escape for each character the code page
// cannot hold. Converting the result back always gives the name again, or
// the result holds an uncarried character.
std::string NameFromWide(std::wstring_view wide);

// The UTF-16 form of a name in the program's text form.
std::wstring WideFromName(std::string_view name);

// The ANSI bytes of the text when the code page holds each of its characters
// exactly.
bool AnsiBytesExactly(std::wstring_view wide, std::string& ansi);

// Whether the name must reach the system through a wide call: it holds an
// escape, which the ANSI calls would take for a literal '?'.
bool NeedsWideCalls(std::string_view name);

}  // namespace morvane::platform::win32
