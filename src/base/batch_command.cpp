#include "base/batch_command.h"

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

}  // namespace

std::optional<BatchCommand> ParseBatchCommand(const std::vector<std::string>& arguments) {
  if (arguments.empty() || FoldAsciiUpper(arguments.front()) != kBatchSwitch) return std::nullopt;
  BatchCommand command;
  std::optional<int> copies;
  std::optional<std::string> printerFolded;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
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
      if (sound && !command.printer) command.printer = *printer;
    } else if (auto count = ValueOf(argument, kCopiesOption)) {
      sound = Take(copies, CopiesOf(*count));
    } else if (auto log = ValueOf(argument, kLogOption)) {
      std::optional<std::string> path;
      if (!log->empty()) path = *log;
      sound = Take(command.log, path);
      if (sound && command.logArgument.empty()) command.logArgument = argument;
    } else {
      command.files.push_back(argument);
    }
    if (!sound && !command.badOption) command.badOption = argument;
  }
  if (copies) command.copies = *copies;
  return command;
}

}  // namespace morvane::base
