#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace morvane::fakes {

// One Write call on an opened file: the bytes offered and how many were taken.
struct WriteCall {
  std::string offered;
  std::uint32_t written = 0;
  bool succeeded = false;
};

// One Open call and everything done through the file it returned.
struct OpenRecord {
  std::string path;
  platform::FileOpenMode mode{};
  bool opened = false;
  std::vector<WriteCall> writes;
  std::uint64_t bytesRead = 0;
  std::uint64_t bytesWritten = 0;
  // Messages a waiting write was told of.
  int waits = 0;
  int flushCalls = 0;
  int closeCalls = 0;
  bool closeSucceeded = false;
  // The File object has been destroyed.
  bool released = false;

  // The bytes the writes took, in order.
  std::string Written() const;
};

// How a write fails once the byte limit of FailWriteAfter is reached.
enum class WriteFault {
  Error,       // the write returns false
  ShortCount,  // the write returns true but takes fewer bytes than offered
};

// Files, directories and devices in memory. Paths are compared exactly.
// Devices ("LPT1" and the like) are opened by bare name: they are never
// truncated and collect the bytes of all their opens; each open still gets its
// own record. Read and write faults count the bytes moved through each open
// separately.
class FakeFileSystem final : public platform::FileSystem {
 public:
  FakeFileSystem();
  ~FakeFileSystem() override;

  void AddFile(const std::string& path, std::string contents);
  void AddDirectory(const std::string& path);
  void AddDevice(const std::string& name);
  void RemoveFile(const std::string& path);
  bool HasFile(const std::string& path) const;
  bool HasDirectory(const std::string& path) const { return IsDirectory(path); }
  std::optional<std::string> Contents(const std::string& path) const;
  std::vector<std::string> FilePaths() const;
  std::string DeviceOutput(const std::string& name) const;

  void RefuseOpen(const std::string& path);
  // Another program holds the file, sharing nothing, for the next `opens`
  // opens of it: each fails as in use.
  void HoldFile(const std::string& path, int opens = 1 << 30);
  // A stalled write that its wait cancels is not ended by the device: the
  // wait is told the device was given up.
  void AbandonCancelledWrites(const std::string& path);
  // Reads deliver the first `bytes` bytes of each open, then fail.
  void FailReadAfter(const std::string& path, std::uint64_t bytes);
  // Writes take the first `bytes` bytes of each open, then fail as `fault` says.
  void FailWriteAfter(const std::string& path, std::uint64_t bytes,
                      WriteFault fault = WriteFault::Error);
  // A device that stops taking bytes once each open has taken `bytes`: a
  // write past that point waits, telling its wait of a message `messages`
  // times, then goes through, unless the wait cancels it first.
  void StallWritesAfter(const std::string& path, std::uint64_t bytes, int messages);
  // Close reports failure; the file is closed all the same.
  void FailClose(const std::string& path);
  void FailFlush(const std::string& path);
  void FailReplace();
  void FailDelete(const std::string& path);

  const std::vector<OpenRecord>& Opens() const { return opens_; }
  // Copies of the records of the opens of path, in order.
  std::vector<OpenRecord> OpensOf(const std::string& path) const;
  const std::vector<std::pair<std::string, std::string>>& Replaces() const { return replaces_; }
  const std::vector<std::string>& Deletes() const { return deletes_; }
  // Files opened and neither closed nor destroyed yet.
  int OpenHandles() const { return openHandles_; }

  bool FileExists(const std::string& path) override;
  using platform::FileSystem::Open;
  std::unique_ptr<platform::File> Open(const std::string& path, const platform::FileOpenMode& mode,
                                       platform::OpenFailure& failure) override;
  bool Replace(const std::string& source, const std::string& target) override;
  bool Delete(const std::string& path) override;

 private:
  class FakeFile;
  struct Entry {
    std::string contents;
    bool isDevice = false;
  };
  struct WriteLimit {
    std::uint64_t bytes;
    WriteFault fault;
  };

  bool IsDirectory(const std::string& path) const { return directories_.contains(path); }

  std::map<std::string, std::shared_ptr<Entry>> files_;
  std::map<std::string, std::shared_ptr<Entry>> devices_;
  std::set<std::string> directories_;

  std::set<std::string> refusedOpens_;
  std::map<std::string, int> heldOpens_;
  std::set<std::string> abandoningDevices_;
  std::map<std::string, std::uint64_t> readLimits_;
  std::map<std::string, WriteLimit> writeLimits_;
  struct Stall {
    std::uint64_t bytes;
    int messages;
  };
  std::map<std::string, Stall> stalls_;
  std::set<std::string> failingCloses_;
  std::set<std::string> failingFlushes_;
  std::set<std::string> failingDeletes_;
  bool replaceFails_ = false;

  std::vector<OpenRecord> opens_;
  std::vector<std::pair<std::string, std::string>> replaces_;
  std::vector<std::string> deletes_;
  int openHandles_ = 0;
};

}  // namespace morvane::fakes
