#pragma once

#include <string>

namespace morvane::base {

// The folder part of a path, up to and including its last separator (a
// backslash, a slash or the colon of a drive).
std::string FolderOf(const std::string& path);

// The last part of a path: what follows its folder part.
std::string NameOf(const std::string& path);

// The path of a name in a folder. A folder that ends in a separator ("P:\",
// "C:\in\", and "P:", the current folder of a drive) is followed by the name
// itself; any other ("C:\in", "\\server\share") gets a backslash between.
std::string JoinPath(const std::string& folder, const std::string& name);

// The two spellings name one folder, with or without a final separator;
// ASCII letters compare without their case, as the system compares names.
bool SameFolder(const std::string& one, const std::string& other);

}  // namespace morvane::base
