#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/batch_command.h"

namespace morvane::base {

inline constexpr char kApplicationTitle[] = "Uitvoer van bestanden";

// What the program knows of its own start.
struct Application {
  // The arguments after the program itself, split from the command line.
  std::vector<std::string> arguments;
  // The batch run the arguments ask for; none when they ask for none.
  std::optional<BatchCommand> batch;
  // The folder of the program file, with its trailing separator.
  std::string programFolder;
};

}  // namespace morvane::base
