#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/batch_session.h"
#include "forms/run_owner.h"
#include "net/printer_address.h"
#include "platform/platform.h"

namespace morvane::forms {

// How long a run waits, after its last copy, for its IPP printers to say what
// became of its jobs, and how often it asks.
inline constexpr std::int64_t kPrinterWordWaitMilliseconds = 180000;
inline constexpr int kPrinterWordAskIntervalMilliseconds = 1000;

// A copy an IPP printer took, whose fate it has yet to tell.
struct IppJobInFlight {
  // Which of the run's named files it is a copy of.
  std::size_t file = 0;
  std::string fileName;
  std::string target;
  net::PrinterAddress address;
  std::int32_t jobId = 0;
  std::uint64_t bytes = 0;
};

// Asks each job's printer for its state until every job is completed,
// canceled or aborted, the bound passes or the user stops the wait; the hint
// bar says the run waits meanwhile. Notes the printer's word for each job in
// the session's log. True for each job the printer failed.
std::vector<bool> AwaitPrintersWord(RunOwner::Run& run, platform::Platform& platform,
                                    BatchSession& session, const std::vector<IppJobInFlight>& jobs);

}  // namespace morvane::forms
