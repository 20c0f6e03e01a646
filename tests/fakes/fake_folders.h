#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/path_text.h"
#include "fakes/fake_file_system.h"
#include "platform/folders.h"

namespace morvane::fakes {

// Folders over the fake file system: a folder is one of its directories, and
// its files are the files whose paths lie directly in it. A watch reports
// what the test announces, and fails when the folder is gone.
class FakeFolders final : public platform::Folders {
 public:
  explicit FakeFolders(FakeFileSystem& files) : files_(files) {}

  // A file arrives: it is added, and unless the system missed it, a watch of
  // its folder reports its name.
  void Arrive(const std::string& folder, const std::string& name, std::string contents,
              std::uint64_t lastWrite = 0, bool announced = true) {
    files_.AddFile(base::JoinPath(folder, name), std::move(contents));
    lastWrites_[base::JoinPath(folder, name)] = lastWrite;
    if (announced) announced_.push_back(name);
  }
  // The folder is renamed away and made again under its name, empty: a watch
  // of it goes on reporting the old one's changes.
  void MakeAnew(const std::string& folder) {
    for (const std::string& path : files_.FilePaths()) {
      if (path.starts_with(base::JoinPath(folder, {}))) files_.RemoveFile(path);
    }
    identities_[folder] = ++lastIdentity_;
  }
  // The next report of a watch says it lost count.
  void Overflow() { overflow_ = true; }
  void AddDevice(const std::string& path) { devices_.insert(path); }
  // Moves into the folder fail as on a full disk.
  void FailMovesInto(const std::string& folder) {
    failingTargets_.insert(base::JoinPath(folder, {}));
  }
  void AllowMoves() { failingTargets_.clear(); }
  // Moves of the file fail as while a reader holds it, the next `moves` times.
  void HoldAgainstMoves(const std::string& path, int moves) { heldMoves_[path] = moves; }
  const std::vector<std::pair<std::string, std::string>>& Moves() const { return moves_; }
  // A wait with nothing to report lets the test's time pass.
  std::function<void(int milliseconds)> onWait;

  platform::PathKind Kind(const std::string& path) override {
    if (devices_.contains(path)) return platform::PathKind::Device;
    if (files_.HasDirectory(path)) return platform::PathKind::Folder;
    return files_.HasFile(path) ? platform::PathKind::File : platform::PathKind::Missing;
  }
  std::optional<platform::FolderIdentity> Identity(const std::string& folder) override {
    if (!files_.HasDirectory(folder)) return std::nullopt;
    auto [identity, added] = identities_.try_emplace(folder, lastIdentity_ + 1);
    if (added) ++lastIdentity_;
    return platform::FolderIdentity{1, identity->second};
  }
  bool Make(const std::string& path) override {
    if (!files_.HasDirectory(path)) files_.AddDirectory(path);
    return true;
  }
  std::optional<std::vector<platform::FolderFile>> Files(const std::string& folder) override {
    if (!files_.HasDirectory(folder)) return std::nullopt;
    std::vector<platform::FolderFile> files;
    const std::string prefix = base::JoinPath(folder, {});
    for (const std::string& path : files_.FilePaths()) {
      if (!path.starts_with(prefix) || path.find('\\', prefix.size()) != std::string::npos)
        continue;
      files.push_back({path.substr(prefix.size()), lastWrites_[path]});
    }
    return files;
  }
  std::optional<std::uint64_t> LastWrite(const std::string& path) override {
    if (!files_.HasFile(path)) return std::nullopt;
    return lastWrites_[path];
  }
  platform::MoveResult Move(const std::string& from, const std::string& to,
                            std::uint32_t& error) override {
    error = 0;
    if (!files_.HasFile(from)) return platform::MoveResult::SourceGone;
    if (files_.HasFile(to)) return platform::MoveResult::TargetExists;
    if (auto held = heldMoves_.find(from); held != heldMoves_.end() && held->second > 0) {
      --held->second;
      error = kSharingViolation;
      return platform::MoveResult::InUse;
    }
    if (failingTargets_.contains(base::FolderOf(to))) {
      error = kDiskFull;
      return platform::MoveResult::Failed;
    }
    files_.AddFile(to, *files_.Contents(from));
    files_.RemoveFile(from);
    moves_.emplace_back(from, to);
    return platform::MoveResult::Moved;
  }
  std::unique_ptr<platform::FolderChanges> Watch(const std::string& folder) override {
    if (!files_.HasDirectory(folder)) return nullptr;
    return std::make_unique<Changes>(*this, folder);
  }

  static constexpr std::uint32_t kDiskFull = 112;
  static constexpr std::uint32_t kSharingViolation = 32;

 private:
  class Changes final : public platform::FolderChanges {
   public:
    Changes(FakeFolders& folders, std::string folder)
        : folders_(folders), folder_(std::move(folder)) {}
    Wake Wait(int milliseconds) override {
      if (!folders_.files_.HasDirectory(folder_)) return Wake::Broken;
      if (!folders_.announced_.empty() || folders_.overflow_) return Wake::Changes;
      if (folders_.onWait) folders_.onWait(milliseconds);
      return Wake::Timeout;
    }
    std::vector<std::string> TakeNames(bool& overflowed) override {
      overflowed = std::exchange(folders_.overflow_, false);
      std::vector<std::string> names(folders_.announced_.begin(), folders_.announced_.end());
      folders_.announced_.clear();
      return names;
    }

   private:
    FakeFolders& folders_;
    std::string folder_;
  };

  FakeFileSystem& files_;
  std::deque<std::string> announced_;
  bool overflow_ = false;
  std::set<std::string> devices_;
  std::set<std::string> failingTargets_;
  std::map<std::string, std::uint64_t> lastWrites_;
  std::map<std::string, int> heldMoves_;
  std::map<std::string, std::uint64_t> identities_;
  std::uint64_t lastIdentity_ = 0;
  std::vector<std::pair<std::string, std::string>> moves_;
};

}  // namespace morvane::fakes
