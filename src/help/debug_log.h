#pragma once

#include <string>
#include <vector>

namespace morvane::help {

inline constexpr char kDebugLogName[] = "HHDebug.txt";
inline constexpr char kDebugMarkerName[] = "debug.debug";
inline constexpr char kSeparatorFormat[] = "-";

// Whether one of the arguments is "/debug" or "-debug", ASCII letters in any case.
bool HasDebugSwitch(const std::vector<std::string>& arguments);

// One line of the debug log, ended by CR LF: the format with its first "%s"
// taken by argument (a format of "-" alone stands for 80 hyphens), a TAB and
// the date and time.
std::string LogLine(const std::string& format, const std::string& argument,
                    const std::string& dateTime);

// The folder name without the backslashes at its end.
std::string WithoutTrailingBackslashes(std::string folder);

}  // namespace morvane::help
