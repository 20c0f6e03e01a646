#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "platform/platform.h"

namespace morvane::forms {

// The subfolders of a watched folder: a file is in one of them from its first
// byte sent on, and only a person takes it out of the last two.
inline constexpr char kBusyFolder[] = "bezig";
inline constexpr char kSentFolder[] = "verzonden";
inline constexpr char kFailedFolder[] = "mislukt";
// In "bezig": a mark for each file there that was delivered whole and could
// not be moved on, so that no later start takes it for one half sent.
inline constexpr char kDeliveredMarkFolder[] = "afgeleverd";

// A file whose name ends so is still being written under a name of its own,
// to be renamed once it is whole: it is left for its new name.
inline constexpr char kTransientSuffix[] = ".TMP";
// How often a file that its writer still holds is looked at again: a file
// starts going out well within a second of its writer letting go.
inline constexpr int kHeldFileLookMilliseconds = 250;
// How often an idle watch makes sure its folder is still there, and how
// often a folder that went away is looked for.
inline constexpr int kFolderCheckMilliseconds = 2000;
inline constexpr int kFolderRetryMilliseconds = 3000;
// How often a watch resting for the session's end looks at its messages.
inline constexpr int kRestLookMilliseconds = 250;
// A move that keeps finding its chosen name taken meanwhile gives up after
// this many names; each was taken by another program this very moment.
inline constexpr int kMaxMoveRaces = 100;

// What came of sending one file from the folder.
struct WatchedCopy {
  bool delivered = false;
  std::uint64_t bytes = 0;
  // The datatype the spooler took the last copy in; empty for none.
  std::string datatype;
  // The log's result for a failure.
  std::string failure;
};

// What a watch needs of the run it is part of.
struct WatchHooks {
  // The user has asked to stop.
  std::function<bool()> stopped;
  // No file is to be taken for now (the session may be ending); none means
  // never.
  std::function<bool()> resting;
  // Sends the file at the path, every copy of it.
  std::function<WatchedCopy(const std::string& path)> send;
  // Adds a line to the log; `delivered` for the line of a delivered file.
  std::function<void(const std::string& result, const std::string& file, std::uint64_t bytes,
                     bool delivered)>
      note;
  // The counts or the folder's reach changed.
  std::function<void()> changed;
};

// Sends each file that is in a folder or arrives there exactly once, or sets
// it aside in "mislukt" for a person. A file is moved into "bezig" before its
// first byte goes out; that move, which happens whole or not at all, decides
// between two programs watching one folder. From there it goes to
// "verzonden" once the spooler has taken all of it, or to "mislukt". The
// watch holds it open from before that first move to after the last, so that
// no other watch takes it for one left half sent.
class FolderWatch {
 public:
  FolderWatch(platform::Platform& platform, std::string folder, WatchHooks hooks);
  ~FolderWatch();
  FolderWatch(const FolderWatch&) = delete;
  FolderWatch& operator=(const FolderWatch&) = delete;

  // Makes the subfolders, sets aside what an earlier watch left half sent and
  // takes in the files present. False when the folder can't be read or its
  // subfolders made.
  bool Start();
  // Sends until the user stops the watch.
  void Run();

  // A file of the folder that is never sent: the watch's own log kept there.
  void Ignore(const std::string& name);

  int Sent() const { return sent_; }
  // The files set aside or left unsent with a line that says why.
  int Failed() const { return failed_; }
  // The files delivered that stay in "bezig" for a person, as they could not
  // be moved on.
  int Unsettled() const { return unsettled_; }
  bool Reachable() const { return !lost_; }

 private:
  // A name to look at; with its last write when a reading of the folder, not
  // the system's report, found it.
  struct Pending {
    std::string name;
    std::optional<std::uint64_t> lastWrite;
  };

  struct Moved {
    platform::MoveResult result;
    std::string path;
    std::uint32_t error = 0;
  };

  bool MakeSubfolders();
  // Sets aside what an earlier watch left in "bezig" half sent, and moves on
  // what it left there delivered.
  void SettleBusyFolder();
  // The folder at the path is still the one watched.
  bool StillWatched();
  // Notes where the folder now is, once it is watched.
  void Watched();
  // Reads the folder and queues what is not queued, oldest first; false when
  // the folder can't be read. After the system lost count the order of
  // arrival is unknown: then the files found keep their last writes, and so
  // place among them what the system names next.
  bool Rescan(bool lostCount);
  void Harvest();
  void Enqueue(const std::string& name, bool named, std::optional<std::uint64_t> lastWrite);
  void SendNext();
  // The file is not free yet: it is looked at again in a moment.
  void Hold(const std::string& name);
  void Leave(const std::string& name, const std::string& result, const std::string& path);
  // Sets aside a file the watch will not send, with the reason.
  void Refuse(const std::string& name, const std::string& path, const std::string& why);
  // Moves the file to its folder after its copies: a move that someone holds
  // up is tried again a while; a delivered file that still can't go is
  // marked as delivered where it is.
  void Settle(const std::string& name, const std::string& busyPath, const WatchedCopy& copy);
  Moved MoveInto(const std::string& from, const std::string& folder, const std::string& name);
  // The first number of the name that is free in the folder, from `number`
  // on; 1 is the name itself. Looks in steps that double, then halves the
  // last step, so that a name used thousands of times costs a few looks.
  std::uint64_t FreeNumber(const std::string& folder, const std::string& name,
                           std::uint64_t number);
  bool Taken(const std::string& folder, const std::string& name, std::uint64_t number);
  std::string MarkOf(const std::string& busyPath) const;
  void NoteUnmoved(const std::string& path, const Moved& moved, const std::string& folder);
  void Lose();
  void AwaitFolder();
  int NextWaitMilliseconds();
  std::int64_t Now();

  platform::Platform& platform_;
  std::string folder_;
  WatchHooks hooks_;
  std::unique_ptr<platform::FolderChanges> changes_;
  // The names to look at, in order, and the names of those queued or held.
  // Names that differ only in case are two files, as a folder of a system
  // that tells them apart holds them.
  std::deque<Pending> queue_;
  // How many of those queued carry their last write.
  int datedPending_ = 0;
  std::set<std::string> known_;
  // Names whose writer still held them, looked at again at heldLookAt_.
  std::deque<std::string> held_;
  std::int64_t heldLookAt_ = 0;
  // The upper-case keys of the names never sent: the log's name, which the
  // command line may spell in another case than the folder does.
  std::set<std::string> ignored_;
  // The number to try first, after the name itself, for a name taken in a
  // subfolder: by the subfolder's path and the name, for the names that
  // were taken.
  std::map<std::pair<std::string, std::string>, std::uint64_t> nextNumbers_;
  // The folder as it was when the watch began to watch it.
  std::optional<platform::FolderIdentity> identity_;
  // Names left in the folder with a line: not looked at again until the
  // system names them anew.
  std::set<std::string> left_;
  std::int64_t folderCheckAt_ = 0;
  bool lost_ = false;
  int sent_ = 0;
  int failed_ = 0;
  int unsettled_ = 0;
};

}  // namespace morvane::forms
