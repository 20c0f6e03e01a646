#pragma once

#include <string>

namespace morvane::platform::win32 {

// The ANSI file functions refuse a path of MAX_PATH characters or more, while
// the file system holds such paths well enough: a file dropped from a deep
// folder exists and must be sent like any other.
bool NeedsExtendedLength(const std::string& path);

// The wide "\\?\" form of a path in the program's name text, made absolute
// first (the prefix turns off the system's own name normalisation). Empty when
// the path can't be converted.
std::wstring ExtendedLengthPath(const std::string& path);

// The "\\?\" form of a path whose last part is kept as it is spelled: the
// system otherwise drops a final dot or space from a name that other systems
// write ("a.prn."), so reaching another file or none, and takes a device's
// name in a folder ("com1.prn") for the device. The folder part is made
// absolute as ExtendedLengthPath does. Empty when the path can't be converted.
std::wstring ExactPath(const std::string& path);

// The path as the wide file functions take it: the "\\?\" form when it is
// too long for them otherwise, or when its name ends in a dot or a space.
std::wstring WidePath(const std::string& path);

// The absolute form of a path, as the system resolves it; empty on failure.
std::wstring FullPath(const std::wstring& path);

}  // namespace morvane::platform::win32
