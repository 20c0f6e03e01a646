#include <algorithm>
#include <string>

#include "base/ascii_text.h"
#include "base/path_text.h"
#include "forms/batch_session.h"
#include "forms/folder_watch.h"
#include "forms/prinfile.h"
#include "forms/prinfile_texts.h"

namespace morvane::forms {

int TPrintfile1::WatchFolder(RunOwner::Run& run, const base::BatchCommand& command) {
  BatchSession session(run, command, [this] { return PrintersComboBox.Text(); });
  PrepareBatch(session);
  const std::string folder = command.WatchText();
  if (!session.refusal) {
    // A device or a file named as the folder is a mistake in the command
    // line, not a folder that may come back.
    const platform::PathKind kind = platform_.folders.Kind(folder);
    if (kind == platform::PathKind::Device || kind == platform::PathKind::File) {
      session.refusal = texts::kBadOptionPrefix + command.watchArgument;
    }
  }
  auto showState = [&](const FolderWatch& watch) {
    run.ShowState(texts::kWatchStatePrefix + folder +
                  (watch.Reachable() ? "" : texts::kWatchStateUnreachable) +
                  texts::kWatchStateSeparator + std::to_string(watch.Sent()) +
                  texts::kWatchStateSent + std::to_string(watch.Failed()) +
                  texts::kWatchStateFailed + texts::kWatchStopKeyHint);
  };
  FolderWatch* shown = nullptr;
  FolderWatch watch(platform_, folder,
                    {.stopped = [&] { return run.Stopped(); },
                     .send =
                         [&](const std::string& path) {
                           // All copies of the file go out, or it is set aside.
                           WatchedCopy copy;
                           for (int number = 0; number < command.copies; ++number) {
                             if (number > 0) platform_.pump.ProcessMessages();
                             const output::PrinterCopy sent =
                                 run.Stopped()
                                     ? output::PrinterCopy{}
                                     : SendFileToPrinter(run, path, session.PrinterName());
                             copy.bytes = sent.fileBytes;
                             if (!sent.delivered) {
                               copy.failure = session.Failed();
                               return copy;
                             }
                           }
                           run.Messages().TakeWarning();
                           copy.delivered = true;
                           return copy;
                         },
                     .note = [&](const std::string& result, const std::string& file,
                                 std::uint64_t bytes) { session.Note(result, file, bytes); },
                     .changed =
                         [&] {
                           if (shown) showState(*shown);
                         }});
  shown = &watch;
  // A log kept in the watched folder itself is written all the while: it is
  // no file to send.
  if (command.log) {
    const std::string logFolder = base::FolderOf(*command.log);
    if (!logFolder.empty() && base::FoldAsciiUpper(logFolder.substr(0, logFolder.size() - 1)) ==
                                  base::FoldAsciiUpper(folder)) {
      watch.Ignore(command.log->substr(logFolder.size()));
    }
  }
  if (!session.refusal && !watch.Start()) {
    session.refusal = texts::kFolderUnreachablePrefix + folder;
  }
  if (session.refusal) {
    run.Messages().Warn(*session.refusal, output::kOutputCaption);
    session.Note(session.Failed(), folder, 0);
    session.ReportLostLines();
    return std::max(1, watch.Failed());
  }
  watch.Run();
  session.ReportLostLines();
  return watch.Failed();
}

}  // namespace morvane::forms
