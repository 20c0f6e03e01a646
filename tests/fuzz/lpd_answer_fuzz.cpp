// The LPD acknowledgement's reader takes any answer without fault, and a job
// made of any host, user and document name still makes a control file of its
// six lines within the protocol's limits.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/lpd_job.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace morvane::net;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const LpdAcknowledgement answer = ReadLpdAcknowledgement(bytes);
  if (answer.message.size() > 255) std::abort();
  for (char c : answer.message) {
    if (c < ' ' || c > '~') std::abort();
  }
  if ((answer.answer == LpdAnswer::Accepted) != (!bytes.empty() && bytes[0] == '\0')) std::abort();

  // The same bytes as a host, a user and a document name, split at the
  // first two zero octets.
  const std::size_t first = std::min(bytes.find('\0'), bytes.size());
  const std::string_view rest = bytes.substr(std::min(first + 1, bytes.size()));
  const std::size_t second = std::min(rest.find('\0'), rest.size());
  const LpdJob job =
      MakeLpdJob(static_cast<int>(size % 1000), bytes.substr(0, first), rest.substr(0, second),
                 rest.substr(std::min(second + 1, rest.size())));
  if (job.host.empty() || job.host.size() > 31 || job.user.empty() || job.user.size() > 31 ||
      job.jobName.size() > 99 || job.sourceName.size() > 131) {
    std::abort();
  }
  const std::string control = LpdControlFile(job);
  if (std::count(control.begin(), control.end(), '\n') != 6) std::abort();
  if (control.find('\0') != std::string::npos) std::abort();
  const std::string command = ReceiveDataFileCommand(job, size);
  if (std::count(command.begin(), command.end(), '\n') != 1 ||
      std::count(command.begin(), command.end(), ' ') != 1) {
    std::abort();
  }
  return 0;
}
