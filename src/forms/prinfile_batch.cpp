#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "base/command_line.h"
#include "base/name_text.h"
#include "forms/batch_session.h"
#include "forms/prinfile.h"
#include "forms/prinfile_texts.h"
#include "forms/printer_word.h"
#include "net/printer_address.h"
#include "output/batch_log.h"
#include "platform/held_file_wait.h"
#include "settings/control_file.h"
#include "settings/printer_list.h"

namespace morvane::forms {

void TPrintfile1::RunBatch(const base::BatchCommand& command) {
  Minimize();
  const output::WarningRoute route =
      command.quiet ? output::WarningRoute::Quiet : output::WarningRoute::Boxes;
  runs_.Perform(
      command.AsksWatch() ? RunKind::Watch : RunKind::Batch,
      [&](RunOwner::Run& run) {
        const int undelivered =
            command.AsksWatch() ? WatchFolder(run, command) : SendBatch(run, command);
        batchExitStatus_ = std::min(undelivered, kMaxBatchExitStatus);
      },
      route);
  Close();
}

void TPrintfile1::PrepareBatch(BatchSession& session) {
  const base::BatchCommand& command = session.command;
  std::optional<std::string>& refusal = session.refusal;
  if (command.badOption) {
    refusal = texts::kBadOptionPrefix + *command.badOption;
  } else if (command.log) {
    // A log that another program holds is waited for a while; after that the
    // copies go out all the same, and the run says that its log was not kept.
    platform::OpenFailure failure = platform::OpenFailure::None;
    platform::RetryWhileHeld(platform_.pump, platform_.clock, [&] {
      session.log =
          output::BatchLog::Open(platform_.files, platform_.localClock, *command.log, failure);
      return session.log || failure != platform::OpenFailure::InUse;
    });
    if (!session.log && failure == platform::OpenFailure::InUse) {
      session.lineLost = true;
    } else if (!session.log) {
      refusal = texts::kBadOptionPrefix + command.logArgument;
      session.logKept = false;
    }
  }
  if (!refusal && !controlFileUnread_.empty() && command.quiet) {
    // The control strings were not read whole, and no one saw the box that
    // says so: copies without them would be no whole copies. The file may be
    // held only a moment longer.
    platform::RetryWhileHeld(platform_.pump, platform_.clock, [&] {
      return settings::LoadControlStrings(platform_.files, application_.programFolder,
                                          FControlStrings, controlFileUnread_);
    });
    if (!controlFileUnread_.empty()) {
      refusal = texts::kSettingsUnreadPrefix + controlFileUnread_ + texts::kSettingsUnreadSuffix;
    }
  }
  // The option names the printer for this run only: the selector, whose text
  // is stored as the last printer at the end, is left as it is.
  // A printer's address needs no queue of the system's, so it is in no list;
  // one that is not whole names no printer at all.
  const net::TargetKind printerKind = command.printer
                                          ? net::ParsePrinterTarget(*command.printer).kind
                                          : net::TargetKind::PrinterName;
  if (!refusal && printerKind == net::TargetKind::BadAddress) {
    refusal = texts::kBadOptionPrefix + command.printerArgument;
  } else if (!refusal && printerKind == net::TargetKind::Address) {
    session.printer = *command.printer;
  } else if (!refusal && command.printer) {
    const std::vector<std::string>& items = PrintersComboBox.Items();
    const int index = settings::FindPrinterItem(items, *command.printer);
    if (index < 0) {
      refusal = texts::kPrinterNotFoundPrefix + *command.printer;
    } else {
      session.printer = items[static_cast<std::size_t>(index)];
    }
  }
}

std::string BatchSession::PrinterName() const {
  if (printer) return *printer;
  return command.printer.value_or(selectorText_());
}

bool BatchSession::Note(std::string result, const std::string& file, std::uint64_t bytes,
                        const std::optional<std::string>& target) {
  if (!logKept) return true;
  const bool written =
      log && log->Append({std::move(result), target.value_or(PrinterName()), file, bytes});
  lineLost = lineLost || !written;
  return written;
}

std::string BatchSession::Failed() {
  std::string why = run.Messages().TakeWarning();
  if (why.empty() && run.Stopped()) why = texts::kLogStopped;
  return output::kLogFailedPrefix + why;
}

void BatchSession::ReportLostLines() {
  if (!lineLost) return;
  run.Messages().Note(texts::kLogNotWrittenPrefix + *command.log + texts::kLogNotWrittenSuffix,
                      output::kOutputCaption);
}

int TPrintfile1::SendBatch(RunOwner::Run& run, const base::BatchCommand& command) {
  BatchSession session(run, command, [this] { return PrintersComboBox.Text(); });
  PrepareBatch(session);
  const std::optional<std::string>& refusal = session.refusal;
  auto note = [&](std::string result, const std::string& file, std::uint64_t bytes,
                  const std::optional<std::string>& target = std::nullopt) {
    return session.Note(std::move(result), file, bytes, target);
  };
  auto failed = [&] { return session.Failed(); };
  auto printerName = [&] { return session.PrinterName(); };
  auto reportLostLines = [&] { session.ReportLostLines(); };

  if (refusal) {
    // Nothing is sent, and no named file is delivered.
    run.Messages().Warn(*refusal, output::kOutputCaption);
    const std::string result = failed();
    for (const std::string& file : command.files) note(result, file, 0);
    reportLostLines();
    return std::max<int>(
        1, static_cast<int>(std::min<std::size_t>(command.files.size(), kMaxBatchExitStatus)));
  }

  // The box of a failed copy offers to stop the run while copies follow.
  std::int64_t sendable = 0;
  for (const std::string& file : command.files) {
    const std::string name = base::UnquoteBatchName(file);
    if (!base::HoldsUncarriedCharacter(name) && platform_.files.FileExists(name)) ++sendable;
  }
  run.PlanCopies(sendable * command.copies);

  // A file counts when it was not delivered whole, or when a line of it is
  // missing from the log asked for: the caller then cannot tell what became
  // of it.
  int undelivered = 0;
  std::vector<IppJobInFlight> jobsInFlight;
  std::vector<bool> fileUndelivered(command.files.size(), false);
  for (std::size_t index = 0; index < command.files.size(); ++index) {
    const std::string& file = command.files[index];
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
      const bool logged = note(sent.delivered ? output::DeliveredResult(sent.datatype) : failed(),
                               file, sent.fileBytes, target);
      run.Messages().TakeWarning();
      whole = whole && sent.delivered && logged;
      if (sent.delivered && sent.ippJobId) {
        const net::PrinterTarget address = net::ParsePrinterTarget(target);
        jobsInFlight.push_back(
            {index, file, target, address.address, *sent.ippJobId, sent.fileBytes});
      }
    }
    if (!whole) {
      ++undelivered;
      fileUndelivered[index] = true;
    }
  }
  // A file counts too when its IPP printer failed a copy of it.
  if (!jobsInFlight.empty()) {
    const std::vector<bool> failed = AwaitPrintersWord(run, platform_, session, jobsInFlight);
    for (std::size_t i = 0; i < jobsInFlight.size(); ++i) {
      const std::size_t file = jobsInFlight[i].file;
      if (!failed[i] || fileUndelivered[file]) continue;
      fileUndelivered[file] = true;
      ++undelivered;
    }
  }
  reportLostLines();
  return undelivered;
}

}  // namespace morvane::forms
