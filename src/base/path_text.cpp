#include "base/path_text.h"

namespace morvane::base {

std::string FolderOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/:");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

}  // namespace morvane::base
