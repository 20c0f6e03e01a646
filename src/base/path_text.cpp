#include "base/path_text.h"

#include "base/ascii_text.h"

namespace morvane::base {
namespace {

constexpr char kSeparators[] = "\\/:";
constexpr char kSeparator = '\\';

bool EndsInSeparator(const std::string& path) {
  return !path.empty() && std::string_view(kSeparators).find(path.back()) != std::string::npos;
}

}  // namespace

std::string FolderOf(const std::string& path) {
  const std::size_t separator = path.find_last_of(kSeparators);
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string NameOf(const std::string& path) { return path.substr(FolderOf(path).size()); }

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty() || EndsInSeparator(folder)) return folder + name;
  return folder + kSeparator + name;
}

bool SameFolder(const std::string& one, const std::string& other) {
  return FoldAsciiUpper(JoinPath(one, {})) == FoldAsciiUpper(JoinPath(other, {}));
}

}  // namespace morvane::base
