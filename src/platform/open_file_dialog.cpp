#include "platform/open_file_dialog.h"

namespace morvane::platform {

std::vector<std::string> SplitSelectedNames(const std::string& buffer) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start < buffer.size()) {
    const std::size_t end = buffer.find('\0', start);
    const std::size_t stop = end == std::string::npos ? buffer.size() : end;
    if (stop == start) break;  // the second zero ends the list
    parts.push_back(buffer.substr(start, stop - start));
    start = stop + 1;
  }
  if (parts.size() <= 1) return parts;
  std::string folder = parts.front();
  if (!folder.empty() && folder.back() != '\\') folder.push_back('\\');
  std::vector<std::string> paths;
  for (std::size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + parts[i]);
  return paths;
}

}  // namespace morvane::platform
