// The command-line splitter, the batch command and the batch name unquoting
// take any line: no argument comes out empty or holds a double quote, nothing
// is invented, and a batch command's count stays in its range.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/batch_command.h"
#include "base/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace morvane::base;
  const std::string line(reinterpret_cast<const char*>(data), size);
  std::size_t total = 0;
  for (const std::string& argument : SplitCommandLine(line)) {
    if (argument.empty() || argument.find('"') != std::string::npos) std::abort();
    total += argument.size();
    const std::string name = UnquoteBatchName(argument);
    if (name.size() > argument.size()) std::abort();
  }
  if (total > size) std::abort();
  const auto arguments = CommandLineArguments(line);
  for (const std::string& argument : arguments) {
    if (argument.empty()) std::abort();
  }
  if (const auto batch = ParseBatchCommand(arguments)) {
    if (batch->files.size() >= arguments.size()) std::abort();
    if (batch->copies < kMinBatchCopies || batch->copies > kMaxBatchCopies) std::abort();
    if ((batch->printer && batch->printer->empty()) || (batch->log && batch->log->empty())) {
      std::abort();
    }
  }
  return 0;
}
