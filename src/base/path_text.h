#pragma once

#include <string>

namespace morvane::base {

// The folder part of a path, up to and including its last separator.
std::string FolderOf(const std::string& path);

}  // namespace morvane::base
