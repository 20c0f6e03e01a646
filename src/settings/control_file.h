#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "output/control_strings.h"
#include "platform/file_system.h"

namespace morvane::settings {

inline constexpr char kControlFileName[] = "Morvane.ini";
inline constexpr char kFallbackControlFileName[] = "Morvane.cfg";
// Written whole before it takes the place of the control file.
inline constexpr char kTemporaryControlFileName[] = "Morvane.ini.tmp";

// Splits the bytes of a control file, fed in chunks of any size, into the
// twelve strings: a line ends at LF, every CR is dropped (so CR LF ends a line
// and a lone CR vanishes), every other byte is data. Lines after the twelfth
// are ignored; missing lines stay empty. The line being read is kept as far as
// it has come.
class ControlFileParser {
 public:
  void Feed(std::string_view bytes);
  // All twelve lines are complete; more bytes would change nothing.
  bool Full() const { return completeLines_ == output::kControlStringCount; }
  const output::ControlStrings& Strings() const { return strings_; }

 private:
  output::ControlStrings strings_;
  std::size_t completeLines_ = 0;
};

// The file as the program writes it: each string followed by CR LF, with any
// CR and LF bytes of the strings left out.
std::string FormatControlFile(const output::ControlStrings& strings);

// Reads the control strings from the control file in programFolder (which ends
// with its separator), or from the fallback file when the first doesn't exist.
// Strings whose lines aren't read (a missing or short file, a read error) are
// empty. Returns false, with unreadPath naming the file, when a file exists
// but could not be opened or read to its end: saving then would lose the
// strings not read.
bool LoadControlStrings(platform::FileSystem& files, const std::string& programFolder,
                        output::ControlStrings& strings, std::string& unreadPath);

// Writes the strings to the control file through a temporary file that takes
// its place only once written whole and flushed to the disk. The caller saves only when a setting
// has changed. Returns whether the file was written; after a failure the old file is as it was.
bool SaveControlStrings(platform::FileSystem& files, const std::string& programFolder,
                        const output::ControlStrings& strings);

}  // namespace morvane::settings
