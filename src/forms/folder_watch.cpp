#include "forms/folder_watch.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "base/ascii_text.h"
#include "base/name_text.h"
#include "base/path_text.h"
#include "forms/prinfile_texts.h"
#include "output/batch_log.h"
#include "output/output_services.h"
#include "platform/held_file_wait.h"

namespace morvane::forms {
namespace {

constexpr std::int64_t kMicrosecondsPerMillisecond = 1000;

// A file that an earlier watch left in "bezig" is set aside only when no one
// has it open: another program watching the folder may be sending it.
constexpr platform::FileOpenMode kUnsharedOpenMode{
    .access = platform::FileAccess::Read,
    .share = platform::ShareNone,
    .disposition = platform::FileDisposition::OpenExisting,
    .diskFileOnly = true};

// Held while a file is moved into "bezig": no other program can open the file
// to read it meanwhile, so of two watches only one gets this far, and a
// writer that still has the file open shuts it out. The move itself may go
// on, for it is the move of this very holder. (A rename goes by the handle it
// opens: one opened before another watch's move would move the file again
// from its new place.)
constexpr platform::FileOpenMode kClaimOpenMode{
    .access = platform::FileAccess::Read,
    .share = platform::ShareDelete,
    .disposition = platform::FileDisposition::OpenExisting,
    .diskFileOnly = true};

// Taken over from the claim once the file is in "bezig", and held until it
// has left: a watch that starts meanwhile finds it in use and leaves it
// alone, while the copies read it and the last move takes it out.
constexpr platform::FileOpenMode kHoldOpenMode{
    .access = platform::FileAccess::Rename,
    .share = platform::ShareRead | platform::ShareDelete,
    .disposition = platform::FileDisposition::OpenExisting,
    .diskFileOnly = true};

// A mark says no more than that its file was delivered: it is empty.
constexpr platform::FileOpenMode kMarkOpenMode{
    .access = platform::FileAccess::Write,
    .share = platform::ShareNone,
    .disposition = platform::FileDisposition::CreateAlways,
    .diskFileOnly = true};

std::string KeyOf(const std::string& name) { return base::FoldAsciiUpper(name); }

bool IsTransient(const std::string& name) {
  const std::string key = KeyOf(name);
  const std::string_view suffix = kTransientSuffix;
  return key.size() > suffix.size() && key.ends_with(suffix);
}

// "a.prn" as "a (2).prn"; a name whose only dot leads it has no extension.
std::string Numbered(const std::string& name, std::uint64_t number) {
  if (number <= 1) return name;
  const std::size_t dot = name.rfind('.');
  const std::size_t stem = dot == std::string::npos || dot == 0 ? name.size() : dot;
  return name.substr(0, stem) + " (" + std::to_string(number) + ")" + name.substr(stem);
}

bool ByLastWrite(const platform::FolderFile& a, const platform::FolderFile& b) {
  return std::tie(a.lastWrite, a.name) < std::tie(b.lastWrite, b.name);
}

}  // namespace

FolderWatch::FolderWatch(platform::Platform& platform, std::string folder, WatchHooks hooks)
    : platform_(platform), folder_(std::move(folder)), hooks_(std::move(hooks)) {}

FolderWatch::~FolderWatch() = default;

std::int64_t FolderWatch::Now() { return platform_.clock.Microseconds(); }

bool FolderWatch::Start() {
  if (platform_.folders.Kind(folder_) != platform::PathKind::Folder) return false;
  if (!platform_.folders.Files(folder_) || !MakeSubfolders()) return false;
  SettleBusyFolder();
  // Watched before it is read: what arrives in between is seen twice, never
  // missed, and the second sighting finds it gone.
  changes_ = platform_.folders.Watch(folder_);
  if (!changes_ || !Rescan(false)) return false;
  Watched();
  hooks_.changed();
  return true;
}

void FolderWatch::Watched() {
  identity_ = platform_.folders.Identity(folder_);
  folderCheckAt_ = Now() + kFolderCheckMilliseconds * kMicrosecondsPerMillisecond;
}

bool FolderWatch::StillWatched() {
  if (platform_.folders.Kind(folder_) != platform::PathKind::Folder) return false;
  // Renamed away and made anew, or a junction pointed elsewhere: the system
  // reports the old folder's changes, and the new one's files would wait for
  // ever. A folder that can't tell what it is counts as the same.
  const std::optional<platform::FolderIdentity> now = platform_.folders.Identity(folder_);
  return !identity_ || !now || *now == *identity_;
}

bool FolderWatch::MakeSubfolders() {
  for (const char* sub : {kBusyFolder, kSentFolder, kFailedFolder}) {
    if (!platform_.folders.Make(base::JoinPath(folder_, sub))) return false;
  }
  return true;
}

std::string FolderWatch::MarkOf(const std::string& busyPath) const {
  return base::JoinPath(base::JoinPath(folder_, kBusyFolder),
                        base::JoinPath(kDeliveredMarkFolder, base::NameOf(busyPath)));
}

void FolderWatch::NoteUnmoved(const std::string& path, const Moved& moved,
                              const std::string& folder) {
  hooks_.note(output::kLogNotMovedPrefix + std::string(texts::kMoveFailedPrefix) + folder +
                  texts::kMoveFailedError + std::to_string(moved.error) + texts::kMoveFailedSuffix,
              path, 0, false);
}

void FolderWatch::SettleBusyFolder() {
  const std::string busy = base::JoinPath(folder_, kBusyFolder);
  const std::string marks = base::JoinPath(busy, kDeliveredMarkFolder);
  std::optional<std::vector<platform::FolderFile>> files = platform_.folders.Files(busy);
  if (!files) return;
  std::ranges::sort(*files, ByLastWrite);
  for (const platform::FolderFile& file : *files) {
    const std::string path = base::JoinPath(busy, file.name);
    platform::OpenFailure failure = platform::OpenFailure::None;
    if (!platform_.files.Open(path, kUnsharedOpenMode, failure) &&
        failure == platform::OpenFailure::InUse) {
      // Another watch sends it this moment.
      continue;
    }
    const std::string mark = MarkOf(path);
    if (platform_.files.FileExists(mark)) {
      // Delivered whole before: it goes where it belongs, never again to
      // the printer.
      const std::string sent = base::JoinPath(folder_, kSentFolder);
      const Moved moved = MoveInto(path, sent, file.name);
      if (moved.result == platform::MoveResult::Moved) {
        platform_.files.Delete(mark);
        hooks_.note(output::kLogMovedOn, moved.path, 0, false);
      } else if (moved.result != platform::MoveResult::SourceGone) {
        ++unsettled_;
        NoteUnmoved(path, moved, sent);
      }
      continue;
    }
    // Part of such a file may have printed: it is never sent again unless a
    // person puts it back.
    const std::string failed = base::JoinPath(folder_, kFailedFolder);
    const Moved moved = MoveInto(path, failed, file.name);
    if (moved.result == platform::MoveResult::SourceGone) continue;
    ++failed_;
    if (moved.result == platform::MoveResult::Moved) {
      hooks_.note(output::kLogInterrupted, moved.path, 0, false);
    } else {
      hooks_.note(output::kLogInterrupted, path, 0, false);
      NoteUnmoved(path, moved, failed);
    }
  }
  // A mark whose file a person has taken away marks nothing.
  if (std::optional<std::vector<platform::FolderFile>> left = platform_.folders.Files(marks)) {
    for (const platform::FolderFile& mark : *left) {
      if (!platform_.files.FileExists(base::JoinPath(busy, mark.name))) {
        platform_.files.Delete(base::JoinPath(marks, mark.name));
      }
    }
  }
}

bool FolderWatch::Rescan(bool lostCount) {
  std::optional<std::vector<platform::FolderFile>> files = platform_.folders.Files(folder_);
  if (!files) return false;
  std::ranges::sort(*files, ByLastWrite);
  for (const platform::FolderFile& file : *files) {
    Enqueue(file.name, false, lostCount ? std::optional(file.lastWrite) : std::nullopt);
  }
  return true;
}

void FolderWatch::Harvest() {
  if (!changes_) return;
  bool overflowed = false;
  const std::vector<std::string> names = changes_->TakeNames(overflowed);
  for (const std::string& name : names) Enqueue(name, true, std::nullopt);
  if (overflowed && !Rescan(true)) Lose();
}

void FolderWatch::Ignore(const std::string& name) { ignored_.insert(KeyOf(name)); }

void FolderWatch::Enqueue(const std::string& name, bool named,
                          std::optional<std::uint64_t> lastWrite) {
  // The system names what changed in the folder only; a name with a
  // separator would be a subfolder's.
  if (name.empty() || name.find_first_of("\\/") != std::string::npos) return;
  if (ignored_.contains(KeyOf(name))) return;
  if (named) {
    left_.erase(name);
  } else if (left_.contains(name)) {
    return;
  }
  if (!known_.insert(name).second) return;
  // A reading of the folder while files arrive may see a later file and miss
  // an earlier one, which the system then names: it goes among those found,
  // by its last write.
  if (named && datedPending_ > 0) {
    lastWrite = platform_.folders.LastWrite(base::JoinPath(folder_, name));
  }
  if (!lastWrite) {
    queue_.push_back({name, std::nullopt});
    return;
  }
  ++datedPending_;
  auto later = [&](const Pending& queued) {
    return queued.lastWrite &&
           std::tie(*queued.lastWrite, queued.name) > std::tie(*lastWrite, name);
  };
  // Mostly the files come oldest first: then the place is the end.
  if (queue_.empty() || !later(queue_.back())) {
    queue_.push_back({name, lastWrite});
  } else {
    queue_.insert(std::ranges::find_if(queue_, later), {name, lastWrite});
  }
}

void FolderWatch::Leave(const std::string& name, const std::string& result,
                        const std::string& path) {
  left_.insert(name);
  ++failed_;
  hooks_.note(result, path, 0, false);
  hooks_.changed();
}

void FolderWatch::Refuse(const std::string& name, const std::string& path, const std::string& why) {
  const std::string failed = base::JoinPath(folder_, kFailedFolder);
  const Moved moved = MoveInto(path, failed, name);
  if (moved.result == platform::MoveResult::SourceGone) return;
  if (moved.result == platform::MoveResult::InUse) return Hold(name);
  if (moved.result != platform::MoveResult::Moved) return Leave(name, why, path);
  ++failed_;
  hooks_.note(why, moved.path, 0, false);
  hooks_.changed();
}

void FolderWatch::Hold(const std::string& name) {
  if (held_.empty()) heldLookAt_ = Now() + kHeldFileLookMilliseconds * kMicrosecondsPerMillisecond;
  known_.insert(name);
  held_.push_back(name);
}

void FolderWatch::SendNext() {
  if (queue_.front().lastWrite) --datedPending_;
  const std::string name = std::move(queue_.front().name);
  queue_.pop_front();
  known_.erase(name);
  if (IsTransient(name)) return;
  const std::string path = base::JoinPath(folder_, name);
  if (base::HoldsUncarriedCharacter(name)) {
    return Leave(name, output::kLogFailedPrefix + std::string(base::kNameNotCarried), path);
  }
  if (platform_.folders.Kind(path) == platform::PathKind::Device) {
    // A file with a device's name (com1.prn, nul.txt): the system would
    // open the device, and reading one could wait for ever.
    return Refuse(name, path, output::kLogFailedPrefix + std::string(texts::kDeviceNameRefused));
  }
  if (!platform_.files.FileExists(path)) return;  // another program took it
  // A writer that still has the file open shuts out the claim: the file is
  // not complete until it lets go. Another watch that holds it is about to
  // move it.
  platform::OpenFailure failure = platform::OpenFailure::None;
  std::unique_ptr<platform::File> claim = platform_.files.Open(path, kClaimOpenMode, failure);
  if (!claim && failure == platform::OpenFailure::InUse) return Hold(name);

  const std::string busy = base::JoinPath(folder_, kBusyFolder);
  const Moved taken = MoveInto(path, busy, name);
  std::unique_ptr<platform::File> hold;
  if (taken.result == platform::MoveResult::Moved) {
    hold = platform_.files.Open(taken.path, kHoldOpenMode);
  }
  claim.reset();
  if (taken.result == platform::MoveResult::SourceGone) return;
  // Someone has it open this moment: it is tried again.
  if (taken.result == platform::MoveResult::InUse) return Hold(name);
  if (taken.result != platform::MoveResult::Moved) {
    return Leave(name,
                 output::kLogFailedPrefix + std::string(texts::kMoveFailedPrefix) + busy +
                     texts::kMoveFailedError + std::to_string(taken.error) +
                     texts::kMoveFailedSuffix,
                 path);
  }
  const WatchedCopy copy = hooks_.send(taken.path);
  Settle(name, taken.path, copy);
  hooks_.changed();
}

void FolderWatch::Settle(const std::string& name, const std::string& busyPath,
                         const WatchedCopy& copy) {
  const std::string folder = base::JoinPath(folder_, copy.delivered ? kSentFolder : kFailedFolder);
  Moved settled{};
  // A reader that holds the file without letting it be moved (a virus
  // scanner, a viewer) mostly lets go soon.
  platform::RetryWhileHeld(platform_.pump, platform_.clock, [&] {
    settled = MoveInto(busyPath, folder, name);
    return settled.result != platform::MoveResult::InUse;
  });
  const bool moved = settled.result == platform::MoveResult::Moved;
  const std::string& where = moved ? settled.path : busyPath;
  if (copy.delivered) {
    ++sent_;
    hooks_.note(output::DeliveredResult(copy.datatype), where, copy.bytes, true);
  } else {
    ++failed_;
    hooks_.note(copy.failure, where, copy.bytes, false);
  }
  if (moved) return;
  // A file that stays in "bezig" is set aside by the next start as one half
  // sent, unless it is marked as delivered.
  if (copy.delivered) {
    ++unsettled_;
    platform_.folders.Make(
        base::JoinPath(base::JoinPath(folder_, kBusyFolder), kDeliveredMarkFolder));
    if (std::unique_ptr<platform::File> mark =
            platform_.files.Open(MarkOf(busyPath), kMarkOpenMode)) {
      mark->Close();
    }
  }
  NoteUnmoved(busyPath, settled, folder);
}

bool FolderWatch::Taken(const std::string& folder, const std::string& name, std::uint64_t number) {
  return platform_.folders.LastWrite(base::JoinPath(folder, Numbered(name, number))).has_value();
}

std::uint64_t FolderWatch::FreeNumber(const std::string& folder, const std::string& name,
                                      std::uint64_t number) {
  if (!Taken(folder, name, number)) return number;
  // Taken at `last`; free, as far as is known, at `first`.
  std::uint64_t last = number;
  std::uint64_t step = 1;
  std::uint64_t first = number + step;
  while (Taken(folder, name, first)) {
    last = first;
    step *= 2;
    first = last + step;
  }
  while (first - last > 1) {
    const std::uint64_t middle = last + (first - last) / 2;
    (Taken(folder, name, middle) ? last : first) = middle;
  }
  return first;
}

FolderWatch::Moved FolderWatch::MoveInto(const std::string& from, const std::string& folder,
                                         const std::string& name) {
  Moved moved{platform::MoveResult::Failed, {}, 0};
  for (int race = 0; race < kMaxMoveRaces; ++race) {
    // Mostly the name itself is free. Where it is not, the search starts
    // after the number this watch took last for it.
    std::uint64_t number = 1;
    const auto taken = nextNumbers_.find({folder, name});
    if (Taken(folder, name, number)) {
      number = FreeNumber(folder, name, taken == nextNumbers_.end() ? 2 : taken->second);
    }
    moved.path = base::JoinPath(folder, Numbered(name, number));
    moved.result = platform_.folders.Move(from, moved.path, moved.error);
    // The number just used is taken from now on, by this move or another's.
    if (number > 1 && (moved.result == platform::MoveResult::Moved ||
                       moved.result == platform::MoveResult::TargetExists)) {
      nextNumbers_[{folder, name}] = number + 1;
    }
    if (moved.result != platform::MoveResult::TargetExists) return moved;
  }
  moved.result = platform::MoveResult::Failed;
  return moved;
}

void FolderWatch::Lose() {
  if (!lost_) hooks_.note(output::kLogFolderUnreachable, folder_, 0, false);
  lost_ = true;
  changes_.reset();
  queue_.clear();
  datedPending_ = 0;
  held_.clear();
  known_.clear();
  hooks_.changed();
}

void FolderWatch::AwaitFolder() {
  const std::int64_t until = Now() + kFolderRetryMilliseconds * kMicrosecondsPerMillisecond;
  while (!hooks_.stopped()) {
    const std::int64_t left = until - Now();
    if (left <= 0) break;
    platform_.pump.WaitForMessages(
        static_cast<int>((left + kMicrosecondsPerMillisecond - 1) / kMicrosecondsPerMillisecond));
  }
  if (hooks_.stopped()) return;
  if (platform_.folders.Kind(folder_) != platform::PathKind::Folder || !MakeSubfolders()) return;
  // The folder back may be another one, with what a watch of its own left.
  SettleBusyFolder();
  changes_ = platform_.folders.Watch(folder_);
  if (!changes_ || !Rescan(true)) {
    changes_.reset();
    return;
  }
  lost_ = false;
  Watched();
  hooks_.changed();
}

int FolderWatch::NextWaitMilliseconds() {
  std::int64_t until = folderCheckAt_;
  if (!held_.empty()) until = std::min(until, heldLookAt_);
  const std::int64_t left = std::max<std::int64_t>(0, until - Now());
  return static_cast<int>((left + kMicrosecondsPerMillisecond - 1) / kMicrosecondsPerMillisecond);
}

void FolderWatch::Run() {
  while (!hooks_.stopped()) {
    if (hooks_.resting && hooks_.resting()) {
      // What arrives meanwhile is collected by the system, and goes out if
      // the session goes on after all.
      platform_.pump.WaitForMessages(kRestLookMilliseconds);
      continue;
    }
    if (!changes_) {
      AwaitFolder();
      continue;
    }
    Harvest();
    if (!changes_) continue;
    if (!held_.empty() && Now() >= heldLookAt_) {
      // Looked at again before what is queued: a file whose writer lets go
      // goes next, rather than after all that arrived meanwhile.
      for (auto name = held_.rbegin(); name != held_.rend(); ++name) {
        queue_.push_front({std::move(*name), std::nullopt});
      }
      held_.clear();
    }
    if (!queue_.empty()) {
      SendNext();
      platform_.pump.ProcessMessages();
      continue;
    }
    if (Now() >= folderCheckAt_) {
      folderCheckAt_ = Now() + kFolderCheckMilliseconds * kMicrosecondsPerMillisecond;
      if (!StillWatched()) {
        Lose();
        continue;
      }
    }
    switch (changes_->Wait(NextWaitMilliseconds())) {
      case platform::FolderChanges::Wake::Messages:
        platform_.pump.ProcessMessages();
        break;
      case platform::FolderChanges::Wake::Broken:
        Lose();
        break;
      case platform::FolderChanges::Wake::Changes:
      case platform::FolderChanges::Wake::Timeout:
        break;
    }
  }
}

}  // namespace morvane::forms
