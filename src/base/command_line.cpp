#include "base/command_line.h"

#include "base/name_text.h"

namespace morvane::base {
namespace {

constexpr unsigned char kLastBlank = 32;
constexpr char kDoubleQuote = '"';
constexpr char kApostrophe = '\'';

bool IsBlank(unsigned char c) { return c <= kLastBlank; }

}  // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> arguments;
  const std::size_t end = commandLine.size();
  std::size_t p = 0;
  auto at = [&](std::size_t i) -> unsigned char {
    return i < end ? static_cast<unsigned char>(commandLine[i]) : 0;
  };
  for (;;) {
    for (;;) {
      while (p < end && at(p) != 0 && IsBlank(at(p))) ++p;
      if (at(p) == kDoubleQuote && at(p + 1) == kDoubleQuote) {
        p += 2;
      } else {
        break;
      }
    }
    std::string argument;
    while (p < end && !IsBlank(at(p))) {
      if (at(p) == kDoubleQuote) {
        ++p;
        while (p < end && at(p) != 0 && at(p) != kDoubleQuote) argument.push_back(commandLine[p++]);
        if (p < end && at(p) != 0) ++p;
      } else {
        argument.push_back(commandLine[p++]);
      }
    }
    if (argument.empty()) break;
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

std::vector<std::string> CommandLineArguments(const std::string& commandLine) {
  std::vector<std::string> all = SplitCommandLine(commandLine);
  if (all.empty()) return {};
  return {all.begin() + 1, all.end()};
}

std::string UnquoteBatchName(const std::string& argument) {
  if (argument.empty() || (argument.front() != kApostrophe && argument.front() != kDoubleQuote)) {
    return argument;
  }
  // The last character may be one of several bytes.
  const std::size_t last = base::LastCharacterStart(argument);
  if (last == 0) return {};
  return argument.substr(1, last - 1);
}

}  // namespace morvane::base
