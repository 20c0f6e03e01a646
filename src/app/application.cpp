#include "app/application.h"

namespace morvane::app {

std::string FolderOf(const std::string& path) {
  const std::size_t separator = path.find_last_of("\\/:");
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

}  // namespace morvane::app
