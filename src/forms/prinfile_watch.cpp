#include <algorithm>
#include <string>

#include "base/path_text.h"
#include "base/scope_exit.h"
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
  // Files delivered whose line the log did not take: as in a run of named
  // files, the caller cannot tell what became of them.
  int unlogged = 0;
  FolderWatch watch(platform_, folder,
                    {.stopped = [&] { return run.Stopped(); },
                     .resting = [&] { return run.Resting(); },
                     .send =
                         [&](const std::string& path) {
                           run.SetSending(true);
                           const base::ScopeExit sent([&] { run.SetSending(false); });
                           // All copies of the file go out, or it is set aside.
                           WatchedCopy copy;
                           for (int number = 0; number < command.copies; ++number) {
                             if (number > 0) platform_.pump.ProcessMessages();
                             const output::PrinterCopy sent =
                                 run.Stopped()
                                     ? output::PrinterCopy{}
                                     : SendFileToPrinter(run, path, session.PrinterName());
                             copy.bytes = sent.fileBytes;
                             copy.datatype = sent.datatype;
                             if (!sent.delivered) {
                               copy.failure = session.Failed();
                               return copy;
                             }
                           }
                           run.Messages().TakeWarning();
                           copy.delivered = true;
                           return copy;
                         },
                     .note =
                         [&](const std::string& result, const std::string& file,
                             std::uint64_t bytes, bool delivered) {
                           if (!session.Note(result, file, bytes) && delivered) ++unlogged;
                         },
                     .changed =
                         [&] {
                           if (shown) showState(*shown);
                         }});
  shown = &watch;
  // A log kept in the watched folder itself is written all the while: it is
  // no file to send.
  if (command.log && base::SameFolder(base::FolderOf(*command.log), folder)) {
    watch.Ignore(base::NameOf(*command.log));
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
  return watch.Failed() + watch.Unsettled() + unlogged;
}

}  // namespace morvane::forms
