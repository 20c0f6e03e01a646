#include "platform/win32/win32_folders.h"

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <utility>

#include "base/path_text.h"
#include "platform/win32/device_names.h"
#include "platform/win32/long_path.h"
#include "platform/win32/wide_names.h"

namespace morvane::platform::win32 {
namespace {

// What the system collects between two looks at a folder: about a thousand
// names of common length. Past that it reports an overflow, and the folder is
// read again.
constexpr DWORD kChangeBufferBytes = 64 * 1024;
// A file that arrives is added or renamed to its name; one written where it
// lies is written to.
constexpr DWORD kChangeFilter = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE;
// A folder's read of changes that is cancelled at the watch's end is waited
// for this long, as a cancelled port write is.
constexpr DWORD kCancelledReadWaitMilliseconds = 5000;
// CreateDirectoryW takes a path this long or longer only in its "\\?\"
// form: room for a file name of 8.3 is kept below MAX_PATH.
constexpr std::size_t kLongFolderPath = MAX_PATH - 12;
constexpr char kAllFiles[] = "*";

std::uint64_t Ticks(const FILETIME& time) {
  return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

class HandleCloser {
 public:
  explicit HandleCloser(HANDLE handle) : handle_(handle) {}
  HandleCloser(const HandleCloser&) = delete;
  HandleCloser& operator=(const HandleCloser&) = delete;
  ~HandleCloser() {
    if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

// What the system writes into while a read of changes is under way.
struct ChangeRead {
  OVERLAPPED overlapped{};
  // DWORDs, for the records the system writes are aligned so.
  std::vector<DWORD> buffer = std::vector<DWORD>(kChangeBufferBytes / sizeof(DWORD));
};

// One folder's changes, read overlapped: the system fills the buffer while
// the program sends, and its event wakes the wait for messages, as a port's
// write does.
class Win32FolderChanges final : public FolderChanges {
 public:
  Win32FolderChanges(HANDLE folder, HANDLE event)
      : folder_(folder), event_(event), read_(std::make_unique<ChangeRead>()) {}
  ~Win32FolderChanges() override {
    if (!pending_) return;
    CancelIoEx(folder_.Get(), &read_->overlapped);
    // The record is the system's until the read has ended. A folder on a
    // share that no longer answers may not end it in time: the record is
    // then left to the system for the program's life, a small price for a
    // watch that ends when asked.
    if (WaitForSingleObject(event_.Get(), kCancelledReadWaitMilliseconds) != WAIT_OBJECT_0 &&
        !HasOverlappedIoCompleted(&read_->overlapped)) {
      static_cast<void>(read_.release());
    }
  }

  bool Start() {
    read_->overlapped = {};
    read_->overlapped.hEvent = event_.Get();
    pending_ = ReadDirectoryChangesW(folder_.Get(), read_->buffer.data(), kChangeBufferBytes, FALSE,
                                     kChangeFilter, nullptr, &read_->overlapped, nullptr) != FALSE;
    return pending_;
  }

  Wake Wait(int milliseconds) override {
    if (!pending_) return Wake::Broken;
    if (HasOverlappedIoCompleted(&read_->overlapped)) return Wake::Changes;
    const HANDLE event = event_.Get();
    const DWORD woken = MsgWaitForMultipleObjectsEx(1, &event, static_cast<DWORD>(milliseconds),
                                                    QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woken == WAIT_OBJECT_0) return Wake::Changes;
    if (woken == WAIT_OBJECT_0 + 1) return Wake::Messages;
    if (woken == WAIT_TIMEOUT) return Wake::Timeout;
    return Wake::Broken;
  }

  std::vector<std::string> TakeNames(bool& overflowed) override {
    overflowed = false;
    std::vector<std::string> names;
    if (!pending_ || !HasOverlappedIoCompleted(&read_->overlapped)) return names;
    pending_ = false;
    DWORD bytes = 0;
    // A failure is the system losing count (ERROR_NOTIFY_ENUM_DIR), as is a
    // report of no bytes; any other failure shows again at the next start,
    // which then fails.
    const bool reported =
        GetOverlappedResult(folder_.Get(), &read_->overlapped, &bytes, FALSE) != FALSE;
    if (reported && bytes > 0) {
      Collect(bytes, names);
    } else {
      overflowed = true;
    }
    if (!Start()) overflowed = true;
    return names;
  }

 private:
  void Collect(DWORD bytes, std::vector<std::string>& names) {
    const auto* base = reinterpret_cast<const unsigned char*>(read_->buffer.data());
    std::size_t offset = 0;
    for (;;) {
      if (offset + sizeof(FILE_NOTIFY_INFORMATION) > bytes) return;
      FILE_NOTIFY_INFORMATION record;
      std::memcpy(&record, base + offset, sizeof(record));
      const std::size_t nameOffset = offset + offsetof(FILE_NOTIFY_INFORMATION, FileName);
      if (nameOffset + record.FileNameLength > bytes) return;
      if (record.Action == FILE_ACTION_ADDED || record.Action == FILE_ACTION_MODIFIED ||
          record.Action == FILE_ACTION_RENAMED_NEW_NAME) {
        std::wstring name(record.FileNameLength / sizeof(wchar_t), L'\0');
        std::memcpy(name.data(), base + nameOffset, name.size() * sizeof(wchar_t));
        names.push_back(NameFromWide(name));
      }
      if (record.NextEntryOffset == 0) return;
      offset += record.NextEntryOffset;
    }
  }

  HandleCloser folder_;
  HandleCloser event_;
  std::unique_ptr<ChangeRead> read_;
  bool pending_ = false;
};

}  // namespace

PathKind Win32Folders::Kind(const std::string& path) {
  if (NamesDevice(path)) return PathKind::Device;
  const std::wstring wide = WidePath(path);
  const DWORD attributes =
      wide.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::Missing;
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

std::optional<FolderIdentity> Win32Folders::Identity(const std::string& folder) {
  const std::wstring wide = WidePath(folder);
  if (wide.empty()) return std::nullopt;
  const HandleCloser handle(CreateFileW(
      wide.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION information{};
  if (handle.Get() == INVALID_HANDLE_VALUE ||
      !GetFileInformationByHandle(handle.Get(), &information) ||
      (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    return std::nullopt;
  }
  return FolderIdentity{
      information.dwVolumeSerialNumber,
      (std::uint64_t{information.nFileIndexHigh} << 32) | information.nFileIndexLow};
}

bool Win32Folders::Make(const std::string& path) {
  std::wstring wide = WidePath(path);
  if (wide.size() >= kLongFolderPath) wide = ExtendedLengthPath(path);
  if (!wide.empty()) CreateDirectoryW(wide.c_str(), nullptr);
  return Kind(path) == PathKind::Folder;
}

std::optional<std::vector<FolderFile>> Win32Folders::Files(const std::string& folder) {
  const std::wstring pattern = WidePath(base::JoinPath(folder, kAllFiles));
  if (pattern.empty()) return std::nullopt;
  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  std::vector<FolderFile> files;
  if (search == INVALID_HANDLE_VALUE) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return files;
    return std::nullopt;
  }
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) continue;
    files.push_back({NameFromWide(found.cFileName), Ticks(found.ftLastWriteTime)});
  } while (FindNextFileW(search, &found));
  const DWORD ended = GetLastError();
  FindClose(search);
  if (ended != ERROR_NO_MORE_FILES) return std::nullopt;
  return files;
}

std::optional<std::uint64_t> Win32Folders::LastWrite(const std::string& path) {
  const std::wstring wide = ExactPath(path);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (wide.empty() || !GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data)) {
    return std::nullopt;
  }
  return Ticks(data.ftLastWriteTime);
}

MoveResult Win32Folders::Move(const std::string& from, const std::string& to,
                              std::uint32_t& error) {
  error = 0;
  const std::wstring source = ExactPath(from);
  const std::wstring target = ExactPath(to);
  if (source.empty() || target.empty()) {
    error = ERROR_INVALID_NAME;
    return MoveResult::Failed;
  }
  // No copy between volumes and no replacing: the move happens whole or not
  // at all, and of two programs moving one file only one succeeds.
  if (MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return MoveResult::Moved;
  error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return MoveResult::TargetExists;
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return MoveResult::InUse;
  if (GetFileAttributesW(source.c_str()) == INVALID_FILE_ATTRIBUTES &&
      (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)) {
    return MoveResult::SourceGone;
  }
  return MoveResult::Failed;
}

std::unique_ptr<FolderChanges> Win32Folders::Watch(const std::string& folder) {
  const std::wstring wide = WidePath(folder);
  if (wide.empty()) return nullptr;
  // Others may still rename or delete the folder while it is watched.
  const HANDLE handle = CreateFileW(
      wide.c_str(), FILE_LIST_DIRECTORY, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (event == nullptr) {
    CloseHandle(handle);
    return nullptr;
  }
  auto changes = std::make_unique<Win32FolderChanges>(handle, event);
  if (!changes->Start()) return nullptr;
  return changes;
}

}  // namespace morvane::platform::win32
