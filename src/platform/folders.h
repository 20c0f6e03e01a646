#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace morvane::platform {

// What a path names.
enum class PathKind { Missing, Folder, File, Device };

// A file directly in a folder.
struct FolderFile {
  std::string name;
  // The time of its last write, in the system's ticks; only compared.
  std::uint64_t lastWrite = 0;
};

// What tells one folder from another, whatever its name: a folder renamed
// away and made anew under the old name is another folder.
struct FolderIdentity {
  std::uint64_t volume = 0;
  std::uint64_t index = 0;
  bool operator==(const FolderIdentity&) const = default;
};

// How a move without replacing ended.
enum class MoveResult {
  Moved,
  // The source is no longer there: someone else moved or deleted it.
  SourceGone,
  // The target's name is taken.
  TargetExists,
  // Another program has the source open in a way that shuts the move out
  // (another watch looking at it): that passes.
  InUse,
  // Any other reason (a full disk, a folder that can't be written); the
  // source stays where it was.
  Failed,
};

// The changes in one folder, as the system reports them. While the folder is
// watched the system collects them, whatever the program does meanwhile.
class FolderChanges {
 public:
  enum class Wake {
    // The system has reported changes: TakeNames has them.
    Changes,
    // Messages have come for the thread's windows; nothing was handled.
    Messages,
    Timeout,
    // The folder can't be watched any more (it went away, or its share).
    Broken,
  };
  virtual ~FolderChanges() = default;
  // Waits up to the time for changes or for messages for the thread's windows.
  virtual Wake Wait(int milliseconds) = 0;
  // The names of the files that were added, renamed to or written in the
  // folder since the last call, in the order the system reported them;
  // `overflowed` is set when the system lost some, so that only a new look at
  // the folder tells them all. Watches on for the next changes.
  virtual std::vector<std::string> TakeNames(bool& overflowed) = 0;
};

// Folders and what moves between them.
class Folders {
 public:
  virtual ~Folders() = default;
  virtual PathKind Kind(const std::string& path) = 0;
  // The folder at the path now; none when there is none or it can't be told.
  virtual std::optional<FolderIdentity> Identity(const std::string& folder) = 0;
  // Makes the folder unless it exists. False when it isn't there after.
  virtual bool Make(const std::string& path) = 0;
  // The files directly in the folder, not its subfolders; none when it can't
  // be read.
  virtual std::optional<std::vector<FolderFile>> Files(const std::string& folder) = 0;
  // The file's last write, as FolderFile has it; none when nothing is there.
  // The name is taken as it is spelled, as Move takes it.
  virtual std::optional<std::uint64_t> LastWrite(const std::string& path) = 0;
  // Moves a file within its volume at once, never replacing the target;
  // `error` gives the system's number of a failure. Both names are taken as
  // they are spelled, a name that ends in a dot or a space or that is a
  // device's name (com1.prn) too.
  virtual MoveResult Move(const std::string& from, const std::string& to, std::uint32_t& error) = 0;
  // Starts collecting the changes of the folder's own files; none when the
  // folder can't be watched.
  virtual std::unique_ptr<FolderChanges> Watch(const std::string& folder) = 0;
};

}  // namespace morvane::platform
