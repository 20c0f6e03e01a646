#pragma once

#include <optional>
#include <string>
#include <vector>

namespace morvane::base {

inline constexpr char kBatchSwitch[] = "/WIN";
// The options of a batch run, as they match once folded to upper case.
inline constexpr char kPrinterOption[] = "/PRINTER=";
inline constexpr char kCopiesOption[] = "/COPIES=";
inline constexpr char kQuietOption[] = "/QUIET";
inline constexpr char kLogOption[] = "/LOG=";
inline constexpr int kMinBatchCopies = 1;
inline constexpr int kMaxBatchCopies = 999999;

// What a batch command line asks of the run: one that starts with "/WIN", or
// one that holds a batch option, wherever "/WIN" stands in it. The options
// apply to the whole run; every other argument names a file.
struct BatchCommand {
  // The printer named by the option, as given; none to use the selector's.
  std::optional<std::string> printer;
  int copies = kMinBatchCopies;
  // No box is shown during the run.
  bool quiet = false;
  // The file the run appends its lines to, as given; none for no log.
  std::optional<std::string> log;
  // The argument that named the log, as given.
  std::string logArgument;
  // The file arguments as given, in order.
  std::vector<std::string> files;
  // The first argument that is a bad option (an empty or malformed value, one
  // that repeats an option with another value, or any option on a line
  // without "/WIN"), as given; none when all are sound. A run with a bad
  // option sends nothing.
  std::optional<std::string> badOption;
};

// The batch run that the arguments (after the program itself) ask for: when
// the first is "/WIN" in any case, or when any is a batch option. None
// otherwise.
std::optional<BatchCommand> ParseBatchCommand(const std::vector<std::string>& arguments);

}  // namespace morvane::base
