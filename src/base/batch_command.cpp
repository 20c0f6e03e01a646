#include "base/batch_command.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/ascii_text.h"

namespace morvane::base {
namespace {

constexpr int kDecimalBase = 10;

// The value after an option's "NAME=" when the argument is that option.
std::optional<std::string> ValueOf(const std::string& argument, std::string_view option) {
  if (argument.size() < option.size()) return std::nullopt;
  if (FoldAsciiUpper(std::string_view(argument).substr(0, option.size())) != option) {
    return std::nullopt;
  }
  return argument.substr(option.size());
}

// A whole number in the count range written in decimal digits only.
std::optional<int> CopiesOf(const std::string& value) {
  if (value.empty()) return std::nullopt;
  int copies = 0;
  for (const char c : value) {
    if (c < '0' || c > '9') return std::nullopt;
    copies = copies * kDecimalBase + (c - '0');
    if (copies > kMaxBatchCopies) return std::nullopt;
  }
  if (copies < kMinBatchCopies) return std::nullopt;
  return copies;
}

// Takes an option's value unless it is empty or differs from one given before.
template <typename T>
bool Take(std::optional<T>& slot, const std::optional<T>& value) {
  if (!value) return false;
  if (slot && *slot != *value) return false;
  slot = value;
  return true;
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// A step of a path that names one entry by itself: not empty, and not one
// the system would read as "." or ".." once it drops trailing dots and
// blanks; no stream or wildcard either.
bool IsNamingStep(std::string_view step) {
  if (step.find_first_not_of(". ") == std::string_view::npos) return false;
  return step.find_first_of(":*") == std::string_view::npos;
}

// The path with the separators at its end dropped, but for a drive's root.
std::string WithoutTrailingSeparators(std::string path) {
  constexpr std::size_t kDriveRootLength = 3;
  while (path.size() > kDriveRootLength && IsSeparator(path.back())) path.pop_back();
  return path;
}

bool IsSwitch(const std::string& argument) { return FoldAsciiUpper(argument) == kBatchSwitch; }

bool IsBatchOption(const std::string& argument) {
  if (FoldAsciiUpper(argument) == kQuietOption) return true;
  constexpr std::array<std::string_view, 4> kValueOptions = {kPrinterOption, kCopiesOption,
                                                             kLogOption, kWatchOption};
  return std::ranges::any_of(kValueOptions, [&](std::string_view option) {
    return ValueOf(argument, option).has_value();
  });
}

// Where the switch stands that makes the arguments a batch run: first, as
// always; or anywhere, once a batch option says that a run is meant, so that a
// script that puts an option first never opens the window a scheduler would
// wait on for ever.
std::optional<std::size_t> SwitchIndex(const std::vector<std::string>& arguments) {
  if (!arguments.empty() && IsSwitch(arguments.front())) return 0;
  const auto found = std::ranges::find_if(arguments, IsSwitch);
  if (found == arguments.end()) return std::nullopt;
  return static_cast<std::size_t>(found - arguments.begin());
}

}  // namespace

bool IsFullFolderPath(std::string_view path) {
  std::size_t at = 0;
  const bool drive =
      path.size() >= 3 && IsAsciiLetter(path[0]) && path[1] == ':' && IsSeparator(path[2]);
  const bool share = path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
  if (drive) {
    at = 3;
  } else if (share) {
    at = 2;
  } else {
    return false;
  }
  std::size_t steps = 0;
  while (at < path.size()) {
    std::size_t end = at;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    const std::string_view step = path.substr(at, end - at);
    // The separators at the end name no step.
    if (step.empty() && path.find_first_not_of("\\/", end) == std::string_view::npos) break;
    // A share's server is no "?" or "." either: those name the system's devices.
    if (!IsNamingStep(step) || (share && steps == 0 && step.find('?') != std::string_view::npos)) {
      return false;
    }
    ++steps;
    at = end + 1;
  }
  // A share is named by its server and its name.
  return !share || steps >= 2;
}

std::optional<BatchCommand> ParseBatchCommand(const std::vector<std::string>& arguments) {
  const bool optionGiven = std::ranges::any_of(arguments, IsBatchOption);
  const std::optional<std::size_t> switchAt = SwitchIndex(arguments);
  if (switchAt != std::size_t{0} && !optionGiven) return std::nullopt;
  BatchCommand command;
  std::optional<int> copies;
  std::optional<std::string> printerFolded;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i == switchAt) continue;
    const std::string& argument = arguments[i];
    bool sound = true;
    if (FoldAsciiUpper(argument) == kQuietOption) {
      command.quiet = true;
    } else if (auto printer = ValueOf(argument, kPrinterOption)) {
      // The printer is looked up ignoring case, so names that differ only in
      // case are one printer.
      std::optional<std::string> folded;
      if (!printer->empty()) folded = FoldAsciiUpper(*printer);
      sound = Take(printerFolded, folded);
      if (sound && !command.printer) {
        command.printer = *printer;
        command.printerArgument = argument;
      }
    } else if (auto count = ValueOf(argument, kCopiesOption)) {
      sound = Take(copies, CopiesOf(*count));
    } else if (auto log = ValueOf(argument, kLogOption)) {
      std::optional<std::string> path;
      if (!log->empty()) path = *log;
      sound = Take(command.log, path);
      if (sound && command.logArgument.empty()) command.logArgument = argument;
    } else if (auto folder = ValueOf(argument, kWatchOption)) {
      std::optional<std::string> path;
      if (IsFullFolderPath(*folder)) path = WithoutTrailingSeparators(*folder);
      sound = Take(command.watch, path);
      if (command.watchArgument.empty()) command.watchArgument = argument;
    } else {
      command.files.push_back(argument);
    }
    // Without the switch an option is a bad one: the run it asks for sends
    // nothing, and says so as for any other bad option.
    if (!switchAt && IsBatchOption(argument)) sound = false;
    if (!sound && !command.badOption) command.badOption = argument;
  }
  if (copies) command.copies = *copies;
  // A watch sends what arrives in its folder: named files beside it would
  // leave unclear which of the two the caller meant.
  if (!command.badOption && !command.watchArgument.empty() && !command.files.empty()) {
    command.badOption = command.watchArgument;
  }
  return command;
}

}  // namespace morvane::base
