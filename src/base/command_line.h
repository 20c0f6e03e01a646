#pragma once

#include <string>
#include <vector>

namespace morvane::base {

// Splits a command line the way the program's runtime always has: blanks (codes
// up to 32) separate arguments; double quotes open and close stretches whose
// blanks belong to the argument and are themselves dropped; a pair of double
// quotes at the start of an argument is skipped; the list ends at the first
// argument that comes out empty. Element 0 is the program as written.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The arguments after the program itself.
std::vector<std::string> CommandLineArguments(const std::string& commandLine);

// A batch file name as given: when it starts with an apostrophe or a double
// quote, its first and its last character are dropped, whatever the last is.
std::string UnquoteBatchName(const std::string& argument);

}  // namespace morvane::base
