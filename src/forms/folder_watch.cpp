#include "forms/folder_watch.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "base/ascii_text.h"
#include "base/name_text.h"
#include "forms/prinfile_texts.h"
#include "output/batch_log.h"
#include "output/output_services.h"

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
// on, for it is the move of this very holder.
constexpr platform::FileOpenMode kClaimOpenMode{
    .access = platform::FileAccess::Read,
    .share = platform::ShareDelete,
    .disposition = platform::FileDisposition::OpenExisting,
    .diskFileOnly = true};

std::string KeyOf(const std::string& name) { return base::FoldAsciiUpper(name); }

bool IsTransient(const std::string& name) {
  const std::string key = KeyOf(name);
  const std::string_view suffix = kTransientSuffix;
  return key.size() > suffix.size() && key.ends_with(suffix);
}

// "a.prn" as "a (2).prn"; a name whose only dot leads it has no extension.
std::string Suffixed(const std::string& name, int number) {
  const std::size_t dot = name.rfind('.');
  const std::size_t stem = dot == std::string::npos || dot == 0 ? name.size() : dot;
  return name.substr(0, stem) + " (" + std::to_string(number) + ")" + name.substr(stem);
}

}  // namespace

FolderWatch::FolderWatch(platform::Platform& platform, std::string folder, WatchHooks hooks)
    : platform_(platform), folder_(std::move(folder)), hooks_(std::move(hooks)) {}

FolderWatch::~FolderWatch() = default;

std::string FolderWatch::PathOf(const std::string& folder, const std::string& name) const {
  if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
  return folder + "\\" + name;
}

std::int64_t FolderWatch::Now() { return platform_.clock.Microseconds(); }

bool FolderWatch::Start() {
  if (platform_.folders.Kind(folder_) != platform::PathKind::Folder) return false;
  if (!platform_.folders.Files(folder_) || !MakeSubfolders()) return false;
  SetAsideInterrupted();
  // Watched before it is read: what arrives in between is seen twice, never
  // missed, and the second sighting finds it gone.
  changes_ = platform_.folders.Watch(folder_);
  if (!changes_ || !Rescan(false)) return false;
  folderCheckAt_ = Now() + kFolderCheckMilliseconds * kMicrosecondsPerMillisecond;
  hooks_.changed();
  return true;
}

bool FolderWatch::MakeSubfolders() {
  for (const char* sub : {kBusyFolder, kSentFolder, kFailedFolder}) {
    if (!platform_.folders.Make(PathOf(folder_, sub))) return false;
  }
  return true;
}

void FolderWatch::SetAsideInterrupted() {
  // Part of such a file may have printed: it is never sent again unless a
  // person puts it back.
  const std::string busy = PathOf(folder_, kBusyFolder);
  std::optional<std::vector<platform::FolderFile>> files = platform_.folders.Files(busy);
  if (!files) return;
  std::ranges::sort(*files, [](const platform::FolderFile& a, const platform::FolderFile& b) {
    return std::tie(a.lastWrite, a.name) < std::tie(b.lastWrite, b.name);
  });
  for (const platform::FolderFile& file : *files) {
    const std::string path = PathOf(busy, file.name);
    platform::OpenFailure failure = platform::OpenFailure::None;
    if (!platform_.files.Open(path, kUnsharedOpenMode, failure) &&
        failure == platform::OpenFailure::InUse) {
      continue;
    }
    const Moved moved = MoveInto(path, PathOf(folder_, kFailedFolder), file.name);
    if (moved.result != platform::MoveResult::Moved) continue;
    ++failed_;
    hooks_.note(output::kLogInterrupted, moved.path, 0);
  }
}

bool FolderWatch::Rescan(bool lostCount) {
  std::optional<std::vector<platform::FolderFile>> files = platform_.folders.Files(folder_);
  if (!files) return false;
  std::ranges::sort(*files, [](const platform::FolderFile& a, const platform::FolderFile& b) {
    return std::tie(a.lastWrite, a.name) < std::tie(b.lastWrite, b.name);
  });
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
  if (name.find_first_of("\\/") != std::string::npos) return;
  const std::string key = KeyOf(name);
  if (ignored_.contains(key)) return;
  if (named) {
    left_.erase(key);
  } else if (left_.contains(key)) {
    return;
  }
  if (!known_.insert(key).second) return;
  // A reading of the folder while files arrive may see a later file and miss
  // an earlier one, which the system then names: it goes among those found,
  // by its last write.
  if (named && datedPending_ > 0) lastWrite = platform_.folders.LastWrite(PathOf(folder_, name));
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

void FolderWatch::Leave(const std::string& key, const std::string& result,
                        const std::string& path) {
  left_.insert(key);
  ++failed_;
  hooks_.note(result, path, 0);
  hooks_.changed();
}

void FolderWatch::Hold(const std::string& name) {
  if (held_.empty()) heldLookAt_ = Now() + kHeldFileLookMilliseconds * kMicrosecondsPerMillisecond;
  known_.insert(KeyOf(name));
  held_.push_back(name);
}

void FolderWatch::SendNext() {
  if (queue_.front().lastWrite) --datedPending_;
  const std::string name = std::move(queue_.front().name);
  queue_.pop_front();
  const std::string key = KeyOf(name);
  known_.erase(key);
  if (IsTransient(name)) return;
  const std::string path = PathOf(folder_, name);
  if (base::HoldsUncarriedCharacter(name)) {
    return Leave(key, output::kLogFailedPrefix + std::string(base::kNameNotCarried), path);
  }
  if (!platform_.files.FileExists(path)) {
    // Gone (another program took it), or a device's name, which is never
    // opened: reading one could wait for ever.
    if (platform_.folders.Kind(path) == platform::PathKind::Device) {
      Leave(key, output::kLogNotFound, path);
    }
    return;
  }
  // A writer that still has the file open shuts out an open that lets no one
  // write: the file is not complete until it lets go. Another watch that
  // holds it is about to move it.
  platform::OpenFailure failure = platform::OpenFailure::None;
  std::unique_ptr<platform::File> claim = platform_.files.Open(path, kClaimOpenMode, failure);
  if (!claim && failure == platform::OpenFailure::InUse) return Hold(name);

  const std::string busy = PathOf(folder_, kBusyFolder);
  const Moved taken = MoveInto(path, busy, name);
  // The copy opens the file afresh, letting others read it.
  claim.reset();
  if (taken.result == platform::MoveResult::SourceGone) return;
  // Someone has it open this moment: it is tried again.
  if (taken.result == platform::MoveResult::InUse) return Hold(name);
  if (taken.result != platform::MoveResult::Moved) {
    return Leave(key,
                 output::kLogFailedPrefix + std::string(texts::kMoveFailedPrefix) + busy +
                     texts::kMoveFailedError + std::to_string(taken.error) +
                     texts::kMoveFailedSuffix,
                 path);
  }
  const WatchedCopy copy = hooks_.send(taken.path);
  const bool delivered = copy.delivered;
  const Moved settled =
      MoveInto(taken.path, PathOf(folder_, delivered ? kSentFolder : kFailedFolder),
               PathOf(folder_, name).substr(folder_.size() + 1));
  // A file that could not leave "bezig" stays there, and the next watch sets
  // it aside rather than send it again.
  const std::string& where =
      settled.result == platform::MoveResult::Moved ? settled.path : taken.path;
  if (delivered) {
    ++sent_;
    hooks_.note(output::kLogDelivered, where, copy.bytes);
  } else {
    ++failed_;
    hooks_.note(copy.failure, where, copy.bytes);
  }
  hooks_.changed();
}

FolderWatch::Moved FolderWatch::MoveInto(const std::string& from, const std::string& folder,
                                         const std::string& name) {
  Moved moved{platform::MoveResult::Failed, {}, 0};
  for (int number = 1; number <= kMaxNameSuffix; ++number) {
    moved.path = PathOf(folder, number == 1 ? name : Suffixed(name, number));
    moved.result = platform_.folders.Move(from, moved.path, moved.error);
    if (moved.result != platform::MoveResult::TargetExists) return moved;
  }
  moved.result = platform::MoveResult::Failed;
  return moved;
}

void FolderWatch::Lose() {
  if (!lost_) hooks_.note(output::kLogFolderUnreachable, folder_, 0);
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
  changes_ = platform_.folders.Watch(folder_);
  if (!changes_ || !Rescan(true)) {
    changes_.reset();
    return;
  }
  lost_ = false;
  folderCheckAt_ = Now() + kFolderCheckMilliseconds * kMicrosecondsPerMillisecond;
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
      if (platform_.folders.Kind(folder_) != platform::PathKind::Folder) {
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
