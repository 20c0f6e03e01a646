#include <algorithm>
#include <memory>
#include <optional>

#include "base/command_line.h"
#include "base/name_text.h"
#include "forms/prinfile.h"
#include "forms/prinfile_texts.h"
#include "output/batch_log.h"
#include "settings/printer_list.h"

namespace morvane::forms {
namespace {

constexpr int kMaxExitStatus = 255;

}  // namespace

void TPrintfile1::RunBatch(const base::BatchCommand& command) {
  Minimize();
  const output::WarningRoute route =
      command.quiet ? output::WarningRoute::Quiet : output::WarningRoute::Boxes;
  runs_.Perform(
      RunKind::Batch,
      [&](RunOwner::Run& run) {
        batchExitStatus_ = std::min(SendBatch(run, command), kMaxExitStatus);
      },
      route);
  Close();
}

int TPrintfile1::SendBatch(RunOwner::Run& run, const base::BatchCommand& command) {
  std::unique_ptr<output::BatchLog> log;
  std::optional<std::string> refusal;
  if (command.badOption) {
    refusal = texts::kBadOptionPrefix + *command.badOption;
  } else if (command.log) {
    log = output::BatchLog::Open(platform_.files, platform_.localClock, platform_.system,
                                 *command.log);
    if (!log) refusal = texts::kBadOptionPrefix + command.logArgument;
  }
  // The option names the printer for this run only: the selector, whose text
  // is stored as the last printer at the end, is left as it is.
  std::optional<std::string> printer;
  if (!refusal && command.printer) {
    const std::vector<std::string>& items = PrintersComboBox.Items();
    const int index = settings::FindPrinterItem(items, *command.printer);
    if (index < 0) {
      refusal = texts::kPrinterNotFoundPrefix + *command.printer;
    } else {
      printer = items[static_cast<std::size_t>(index)];
    }
  }
  auto printerName = [&] {
    if (printer) return *printer;
    return command.printer.value_or(PrintersComboBox.Text());
  };
  auto note = [&](std::string result, const std::string& file, std::uint64_t bytes) {
    if (log) log->Append({std::move(result), printerName(), file, bytes});
  };
  auto failed = [&] {
    std::string why = run.Messages().TakeWarning();
    if (why.empty() && run.Stopped()) why = texts::kLogStopped;
    return output::kLogFailedPrefix + why;
  };

  if (refusal) {
    // Nothing is sent, and no named file is delivered.
    run.Messages().Warn(*refusal, output::kOutputCaption);
    const std::string result = failed();
    for (const std::string& file : command.files) note(result, file, 0);
    return std::max<int>(
        1, static_cast<int>(std::min<std::size_t>(command.files.size(), kMaxExitStatus)));
  }

  // The box of a failed copy offers to stop the run while copies follow.
  std::int64_t sendable = 0;
  for (const std::string& file : command.files) {
    const std::string name = base::UnquoteBatchName(file);
    if (!base::HoldsUncarriedCharacter(name) && platform_.files.FileExists(name)) ++sendable;
  }
  run.PlanCopies(sendable * command.copies);

  int undelivered = 0;
  for (const std::string& file : command.files) {
    platform_.pump.ProcessMessages();
    if (run.Stopped()) {
      note(failed(), file, 0);
      ++undelivered;
      continue;
    }
    const std::string name = base::UnquoteBatchName(file);
    if (base::HoldsUncarriedCharacter(name)) {
      run.Messages().Warn(base::kNameNotCarried, output::kOutputCaption);
      note(failed(), file, 0);
      ++undelivered;
      continue;
    }
    if (!platform_.files.FileExists(name)) {
      note(output::kLogNotFound, file, 0);
      ++undelivered;
      continue;
    }
    bool whole = true;
    for (int copy = 0; copy < command.copies; ++copy) {
      if (copy > 0) platform_.pump.ProcessMessages();
      if (run.Stopped()) {
        // The copies of the file that were not sent are not delivered.
        note(failed(), file, 0);
        whole = false;
        break;
      }
      // Without the option the selector is read afresh for every copy: a
      // printer chosen during the run applies to the later copies.
      const std::string target = printerName();
      run.StartCopy(name);
      const output::PrinterCopy sent = SendFileToPrinter(run, name, target);
      if (log) {
        log->Append({sent.delivered ? std::string(output::kLogDelivered) : failed(), target, file,
                     sent.fileBytes});
      }
      run.Messages().TakeWarning();
      whole = whole && sent.delivered;
    }
    if (!whole) ++undelivered;
  }
  return undelivered;
}

}  // namespace morvane::forms
