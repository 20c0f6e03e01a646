#pragma once

#include <string>
#include <vector>

namespace morvane::app {

inline constexpr char kApplicationTitle[] = "Uitvoer van bestanden";
inline constexpr char kHelpFileName[] = "morvane.hlp";

// What the program knows of its own start.
struct Application {
  // The arguments after the program itself, split from the command line.
  std::vector<std::string> arguments;
  // The folder of the program file, with its trailing separator.
  std::string programFolder;
  // The classic help-file name; set at start, never opened.
  std::string helpFile;
};

// The folder part of a path, up to and including its last separator.
std::string FolderOf(const std::string& path);

}  // namespace morvane::app
