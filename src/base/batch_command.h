#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvane::base {

inline constexpr char kBatchSwitch[] = "/WIN";
// The options of a batch run, as they match once folded to upper case.
inline constexpr char kPrinterOption[] = "/PRINTER=";
inline constexpr char kCopiesOption[] = "/COPIES=";
inline constexpr char kQuietOption[] = "/QUIET";
inline constexpr char kLogOption[] = "/LOG=";
inline constexpr char kWatchOption[] = "/WATCH=";
inline constexpr int kMinBatchCopies = 1;
inline constexpr int kMaxBatchCopies = 999999;

// What a batch command line asks of the run: one that starts with "/WIN", or
// one that holds a batch option, wherever "/WIN" stands in it. The options
// apply to the whole run; every other argument names a file.
struct BatchCommand {
  // The printer named by the option, as given; none to use the selector's.
  std::optional<std::string> printer;
  // The argument that named the printer, as given.
  std::string printerArgument;
  int copies = kMinBatchCopies;
  // No box is shown during the run.
  bool quiet = false;
  // The file the run appends its lines to, as given; none for no log.
  std::optional<std::string> log;
  // The argument that named the log, as given.
  std::string logArgument;
  // The folder whose arrivals the run sends, as given but without trailing
  // separators; none for a run of named files. Only a full path of a folder
  // (a drive or a share, each step named) is sound: a relative path would
  // depend on where the program was started, and a step through ".." could
  // name the folder's own subfolders.
  std::optional<std::string> watch;
  // The argument that named the folder, as given.
  std::string watchArgument;
  // The run is a watch, of a sound folder or not.
  bool AsksWatch() const { return !watchArgument.empty(); }
  // The folder as the option gives it, sound or not.
  std::string WatchText() const {
    return watch.value_or(watchArgument.substr(std::string_view(kWatchOption).size()));
  }
  // The file arguments as given, in order.
  std::vector<std::string> files;
  // The first argument that is a bad option (an empty or malformed value, one
  // that repeats an option with another value, or any option on a line
  // without "/WIN", a folder to watch named by a path that is not full, or
  // named beside files), as given; none when all are sound. A run with a bad
  // option sends nothing.
  std::optional<std::string> badOption;
};

// Whether the path names a folder fully: on a drive (C:\labels) or a share
// (\\server\labels), with no step that is empty, "." or "..".
bool IsFullFolderPath(std::string_view path);

// The batch run that the arguments (after the program itself) ask for: when
// the first is "/WIN" in any case, or when any is a batch option. None
// otherwise.
std::optional<BatchCommand> ParseBatchCommand(const std::vector<std::string>& arguments);

}  // namespace morvane::base
