#pragma once

#include <string>
#include <vector>

namespace morvane::base {

inline constexpr char kApplicationTitle[] = "Uitvoer van bestanden";

// What the program knows of its own start.
struct Application {
  // The arguments after the program itself, split from the command line.
  std::vector<std::string> arguments;
  // The folder of the program file, with its trailing separator.
  std::string programFolder;
};

}  // namespace morvane::base
