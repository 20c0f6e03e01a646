#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "base/batch_command.h"
#include "forms/run_owner.h"
#include "output/batch_log.h"

namespace morvane::forms {

// What a batch run or a watch keeps from its start to its end: its log, the
// printer it sends to and whether it may send at all.
class BatchSession {
 public:
  BatchSession(RunOwner::Run& run, const base::BatchCommand& command,
               std::function<std::string()> selectorText)
      : run(run),
        command(command),
        logKept(command.log.has_value()),
        selectorText_(std::move(selectorText)) {}

  RunOwner::Run& run;
  const base::BatchCommand& command;
  std::unique_ptr<output::BatchLog> log;
  // A line the log was asked for and did not take.
  bool lineLost = false;
  // The log is to take the run's lines: it was asked for, and is not the
  // reason the run is refused.
  bool logKept = false;
  // Why nothing may be sent; none when the run may go on.
  std::optional<std::string> refusal;
  // The printer the option named, as the list spells it.
  std::optional<std::string> printer;

  // The printer a copy goes to now: the option's, or the selector's as it
  // reads at this moment.
  std::string PrinterName() const;
  // Appends a line when a log was asked for; false when it did not take it.
  bool Note(std::string result, const std::string& file, std::uint64_t bytes,
            const std::optional<std::string>& target = std::nullopt);
  // The result of a copy that failed: the warning it gave, or the stop.
  std::string Failed();
  // Said once at the end, when a line was lost; a box unless the run is quiet.
  void ReportLostLines();

 private:
  std::function<std::string()> selectorText_;
};

}  // namespace morvane::forms
