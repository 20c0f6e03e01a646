#include "help/debug_log.h"

#include <algorithm>

#include "base/ascii_text.h"

namespace morvane::help {
namespace {

constexpr char kSlashSwitch[] = "/DEBUG";
constexpr char kDashSwitch[] = "-DEBUG";
constexpr char kPlaceholder[] = "%s";
constexpr std::size_t kSeparatorWidth = 80;
constexpr char kLineEnd[] = "\r\n";

}  // namespace

bool HasDebugSwitch(const std::vector<std::string>& arguments) {
  return std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
    const std::string folded = base::FoldAsciiUpper(argument);
    return folded == kSlashSwitch || folded == kDashSwitch;
  });
}

std::string LogLine(const std::string& format, const std::string& argument,
                    const std::string& dateTime) {
  std::string text = format;
  if (const std::size_t at = text.find(kPlaceholder); at != std::string::npos) {
    text.replace(at, sizeof(kPlaceholder) - 1, argument);
  }
  if (text == kSeparatorFormat) text.assign(kSeparatorWidth, '-');
  return text + '\t' + dateTime + kLineEnd;
}

std::string WithoutTrailingBackslashes(std::string folder) {
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

}  // namespace morvane::help
