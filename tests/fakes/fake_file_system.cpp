#include "fakes/fake_file_system.h"

#include <algorithm>
#include <cstring>

namespace morvane::fakes {

namespace {

std::string Bytes(const void* data, std::uint32_t size) {
  if (size == 0) return {};
  return std::string(static_cast<const char*>(data), size);
}

}  // namespace

std::string OpenRecord::Written() const {
  std::string bytes;
  for (const WriteCall& call : writes) bytes += call.offered.substr(0, call.written);
  return bytes;
}

class FakeFileSystem::FakeFile final : public platform::File {
 public:
  FakeFile(FakeFileSystem& owner, std::size_t record, std::shared_ptr<Entry> entry,
           std::uint64_t position, bool appendOnly)
      : owner_(owner),
        record_(record),
        entry_(std::move(entry)),
        position_(position),
        appendOnly_(appendOnly) {}

  ~FakeFile() override {
    Record().released = true;
    if (!closed_) --owner_.openHandles_;
  }

  bool Read(void* buffer, std::uint32_t size, std::uint32_t& bytesRead) override {
    bytesRead = 0;
    OpenRecord& record = Record();
    if (closed_ || record.mode.access == platform::FileAccess::Write) return false;
    std::uint64_t count = 0;
    if (position_ < entry_->contents.size()) {
      count = std::min<std::uint64_t>(size, entry_->contents.size() - position_);
    }
    if (auto limit = owner_.readLimits_.find(record.path); limit != owner_.readLimits_.end()) {
      if (record.bytesRead >= limit->second) return false;
      count = std::min(count, limit->second - record.bytesRead);
    }
    if (count > 0) std::memcpy(buffer, entry_->contents.data() + position_, count);
    position_ += count;
    record.bytesRead += count;
    bytesRead = static_cast<std::uint32_t>(count);
    return true;
  }

  std::uint64_t Size() override { return entry_->isDevice ? 0 : entry_->contents.size(); }

  bool WriteWaiting(const void* data, std::uint32_t size, std::uint32_t& bytesWritten,
                    platform::WriteWait& wait) override {
    OpenRecord& record = Record();
    if (auto stall = owner_.stalls_.find(record.path);
        stall != owner_.stalls_.end() && record.bytesWritten + size > stall->second.bytes) {
      for (int message = 0; message < stall->second.messages; ++message) {
        ++Record().waits;
        if (!wait.MessagesArrived()) {
          Record().writes.push_back({Bytes(data, size), 0, false});
          bytesWritten = 0;
          if (owner_.abandoningDevices_.contains(record.path)) wait.DeviceAbandoned();
          return false;
        }
      }
    }
    return Write(data, size, bytesWritten);
  }

  bool Write(const void* data, std::uint32_t size, std::uint32_t& bytesWritten) override {
    bytesWritten = 0;
    OpenRecord& record = Record();
    WriteCall call{Bytes(data, size), 0, false};
    if (closed_ || record.mode.access == platform::FileAccess::Read) {
      record.writes.push_back(std::move(call));
      return false;
    }
    std::uint64_t accepted = size;
    bool succeeded = true;
    if (auto limit = owner_.writeLimits_.find(record.path); limit != owner_.writeLimits_.end()) {
      const std::uint64_t room =
          limit->second.bytes > record.bytesWritten ? limit->second.bytes - record.bytesWritten : 0;
      if (accepted > room) {
        accepted = room;
        succeeded = limit->second.fault == WriteFault::ShortCount;
      }
    }
    Store(call.offered.substr(0, accepted));
    record.bytesWritten += accepted;
    call.written = static_cast<std::uint32_t>(accepted);
    call.succeeded = succeeded;
    record.writes.push_back(std::move(call));
    bytesWritten = static_cast<std::uint32_t>(accepted);
    return succeeded;
  }

  bool Flush() override {
    OpenRecord& record = Record();
    ++record.flushCalls;
    return !closed_ && !owner_.failingFlushes_.contains(record.path);
  }

  bool Close() override {
    OpenRecord& record = Record();
    ++record.closeCalls;
    if (closed_) return false;
    closed_ = true;
    --owner_.openHandles_;
    record.closeSucceeded = !owner_.failingCloses_.contains(record.path);
    return record.closeSucceeded;
  }

 private:
  OpenRecord& Record() { return owner_.opens_[record_]; }

  void Store(const std::string& bytes) {
    if (entry_->isDevice) {
      entry_->contents += bytes;
      return;
    }
    // Others may have appended since: each write goes to the end as it is now.
    if (appendOnly_) position_ = entry_->contents.size();
    if (entry_->contents.size() < position_) entry_->contents.resize(position_);
    entry_->contents.replace(position_, bytes.size(), bytes);
    position_ += bytes.size();
  }

  FakeFileSystem& owner_;
  std::size_t record_;
  std::shared_ptr<Entry> entry_;
  std::uint64_t position_;
  bool appendOnly_;
  bool closed_ = false;
};

FakeFileSystem::FakeFileSystem() = default;
FakeFileSystem::~FakeFileSystem() = default;

void FakeFileSystem::AddFile(const std::string& path, std::string contents) {
  files_[path] = std::make_shared<Entry>(Entry{std::move(contents), false});
}

void FakeFileSystem::AddDirectory(const std::string& path) { directories_.insert(path); }

void FakeFileSystem::AddDevice(const std::string& name) {
  devices_[name] = std::make_shared<Entry>(Entry{{}, true});
}

void FakeFileSystem::RemoveFile(const std::string& path) { files_.erase(path); }

bool FakeFileSystem::HasFile(const std::string& path) const { return files_.contains(path); }

std::optional<std::string> FakeFileSystem::Contents(const std::string& path) const {
  auto file = files_.find(path);
  if (file == files_.end()) return std::nullopt;
  return file->second->contents;
}

std::vector<std::string> FakeFileSystem::FilePaths() const {
  std::vector<std::string> paths;
  for (const auto& [path, entry] : files_) paths.push_back(path);
  return paths;
}

std::string FakeFileSystem::DeviceOutput(const std::string& name) const {
  auto device = devices_.find(name);
  return device == devices_.end() ? std::string() : device->second->contents;
}

void FakeFileSystem::RefuseOpen(const std::string& path) { refusedOpens_.insert(path); }

void FakeFileSystem::HoldFile(const std::string& path, int opens) { heldOpens_[path] = opens; }

void FakeFileSystem::AbandonCancelledWrites(const std::string& path) {
  abandoningDevices_.insert(path);
}

void FakeFileSystem::FailReadAfter(const std::string& path, std::uint64_t bytes) {
  readLimits_[path] = bytes;
}

void FakeFileSystem::FailWriteAfter(const std::string& path, std::uint64_t bytes,
                                    WriteFault fault) {
  writeLimits_[path] = WriteLimit{bytes, fault};
}

void FakeFileSystem::StallWritesAfter(const std::string& path, std::uint64_t bytes, int messages) {
  stalls_[path] = {bytes, messages};
}

void FakeFileSystem::FailClose(const std::string& path) { failingCloses_.insert(path); }

void FakeFileSystem::FailFlush(const std::string& path) { failingFlushes_.insert(path); }

void FakeFileSystem::FailReplace() { replaceFails_ = true; }

void FakeFileSystem::FailDelete(const std::string& path) { failingDeletes_.insert(path); }

std::vector<OpenRecord> FakeFileSystem::OpensOf(const std::string& path) const {
  std::vector<OpenRecord> found;
  for (const OpenRecord& record : opens_) {
    if (record.path == path) found.push_back(record);
  }
  return found;
}

bool FakeFileSystem::FileExists(const std::string& path) { return files_.contains(path); }

std::unique_ptr<platform::File> FakeFileSystem::Open(const std::string& path,
                                                     const platform::FileOpenMode& mode,
                                                     platform::OpenFailure& failure) {
  OpenRecord& attempt = opens_.emplace_back();
  attempt.path = path;
  attempt.mode = mode;
  const std::size_t record = opens_.size() - 1;
  failure = platform::OpenFailure::Refused;
  if (auto held = heldOpens_.find(path); held != heldOpens_.end() && held->second > 0) {
    --held->second;
    failure = platform::OpenFailure::InUse;
    return nullptr;
  }
  if (path.empty() || refusedOpens_.contains(path) || IsDirectory(path)) return nullptr;

  std::shared_ptr<Entry> entry;
  if (auto device = devices_.find(path); device != devices_.end()) {
    if (mode.diskFileOnly) return nullptr;
    entry = device->second;
  } else if (auto file = files_.find(path); !mode.device && file != files_.end()) {
    entry = file->second;
    if (mode.disposition == platform::FileDisposition::CreateAlways) entry->contents.clear();
  } else if (!mode.device && (mode.disposition == platform::FileDisposition::CreateAlways ||
                              mode.disposition == platform::FileDisposition::AppendAlways)) {
    entry = std::make_shared<Entry>();
    files_[path] = entry;
  } else {
    return nullptr;
  }
  opens_[record].opened = true;
  ++openHandles_;
  failure = platform::OpenFailure::None;
  const bool append = mode.disposition == platform::FileDisposition::AppendExisting ||
                      mode.disposition == platform::FileDisposition::AppendAlways;
  const std::uint64_t position = append ? entry->contents.size() : 0;
  return std::make_unique<FakeFile>(*this, record, std::move(entry), position,
                                    mode.disposition == platform::FileDisposition::AppendAlways);
}

bool FakeFileSystem::Replace(const std::string& source, const std::string& target) {
  replaces_.emplace_back(source, target);
  auto file = files_.find(source);
  if (replaceFails_ || file == files_.end() || IsDirectory(target)) return false;
  std::shared_ptr<Entry> entry = file->second;
  files_.erase(file);
  files_[target] = std::move(entry);
  return true;
}

bool FakeFileSystem::Delete(const std::string& path) {
  deletes_.push_back(path);
  if (failingDeletes_.contains(path)) return false;
  return files_.erase(path) > 0;
}

}  // namespace morvane::fakes
