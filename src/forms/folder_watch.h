#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "platform/platform.h"

namespace morvane::forms {

// The subfolders of a watched folder: a file is in one of them from its first
// byte sent on, and only a person takes it out of the last two.
inline constexpr char kBusyFolder[] = "bezig";
inline constexpr char kSentFolder[] = "verzonden";
inline constexpr char kFailedFolder[] = "mislukt";

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
// A name taken in a subfolder gets " (2)" before its extension, and so on.
inline constexpr int kMaxNameSuffix = 9999;

// What came of sending one file from the folder.
struct WatchedCopy {
  bool delivered = false;
  std::uint64_t bytes = 0;
  // The log's result for a failure.
  std::string failure;
};

// What a watch needs of the run it is part of.
struct WatchHooks {
  // The user has asked to stop.
  std::function<bool()> stopped;
  // Sends the file at the path, every copy of it.
  std::function<WatchedCopy(const std::string& path)> send;
  // Adds a line to the log.
  std::function<void(const std::string& result, const std::string& file, std::uint64_t bytes)> note;
  // The counts or the folder's reach changed.
  std::function<void()> changed;
};

// Sends each file that is in a folder or arrives there exactly once, or sets
// it aside in "mislukt" for a person. A file is moved into "bezig" before its
// first byte goes out; that move, which happens whole or not at all, decides
// between two programs watching one folder. From there it goes to
// "verzonden" once the spooler has taken all of it, or to "mislukt".
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

  std::string PathOf(const std::string& folder, const std::string& name) const;
  bool MakeSubfolders();
  void SetAsideInterrupted();
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
  void Leave(const std::string& key, const std::string& result, const std::string& path);
  Moved MoveInto(const std::string& from, const std::string& folder, const std::string& name);
  void Lose();
  void AwaitFolder();
  int NextWaitMilliseconds();
  std::int64_t Now();

  platform::Platform& platform_;
  std::string folder_;
  WatchHooks hooks_;
  std::unique_ptr<platform::FolderChanges> changes_;
  // The names to look at, in order, and the upper-case keys of those queued
  // or held; names that differ in case name one file.
  std::deque<Pending> queue_;
  // How many of those queued carry their last write.
  int datedPending_ = 0;
  std::set<std::string> known_;
  // Names whose writer still held them, looked at again at heldLookAt_.
  std::deque<std::string> held_;
  std::int64_t heldLookAt_ = 0;
  // The upper-case keys of the names never sent.
  std::set<std::string> ignored_;
  // Names left in the folder with a line: not looked at again until the
  // system names them anew.
  std::set<std::string> left_;
  std::int64_t folderCheckAt_ = 0;
  bool lost_ = false;
  int sent_ = 0;
  int failed_ = 0;
};

}  // namespace morvane::forms
