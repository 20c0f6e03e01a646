#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "platform/win32/device_names.h"
#include "platform/win32/long_path.h"
#include "platform/win32/wide_names.h"

namespace morvane::platform::win32 {
namespace {

class Win32File : public File {
 public:
  explicit Win32File(HANDLE handle) : handle_(handle) {}
  ~Win32File() override {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }

  bool Read(void* buffer, std::uint32_t size, std::uint32_t& bytesRead) override {
    DWORD read = 0;
    const BOOL ok = ReadFile(handle_, buffer, size, &read, nullptr);
    bytesRead = read;
    return ok != FALSE;
  }

  bool Write(const void* data, std::uint32_t size, std::uint32_t& bytesWritten) override {
    DWORD written = 0;
    const BOOL ok = WriteFile(handle_, data, size, &written, nullptr);
    bytesWritten = written;
    return ok != FALSE && written == size;
  }

  std::uint64_t Size() override {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle_, &size) || size.QuadPart < 0) return 0;
    return static_cast<std::uint64_t>(size.QuadPart);
  }

  bool Flush() override { return FlushFileBuffers(handle_) != FALSE; }

  bool Close() override {
    // A device given up has been closed already, and said so.
    if (givenUp_) return true;
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != FALSE;
  }

 protected:
  HANDLE Handle() const { return handle_; }

  // Closes the handle at once; every later call on it fails.
  void GiveUp() {
    givenUp_ = true;
    CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE));
  }
  bool GivenUp() const { return givenUp_; }

 private:
  HANDLE handle_;
  bool givenUp_ = false;
};

// A log that runs append to at once. Windows puts each write of an
// append-only handle at the file's end in one piece; Wine finds the end and
// writes in two steps, so a line of one run could land on another's. Each
// append holds a lock on a byte far beyond any log's end meanwhile, which
// makes it whole on both; a file system without locks still gets the write.
class AppendingFile : public Win32File {
 public:
  using Win32File::Win32File;

  bool Write(const void* data, std::uint32_t size, std::uint32_t& bytesWritten) override {
    OVERLAPPED lock{};
    lock.Offset = kLockOffsetLow;
    lock.OffsetHigh = kLockOffsetHigh;
    const bool locked =
        LockFileEx(Handle(), LOCKFILE_EXCLUSIVE_LOCK, 0, kLockLength, 0, &lock) != FALSE;
    const bool written = Win32File::Write(data, size, bytesWritten);
    if (locked) UnlockFileEx(Handle(), 0, kLockLength, 0, &lock);
    return written;
  }

 private:
  static constexpr DWORD kLockOffsetLow = 0;
  static constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;
  static constexpr DWORD kLockLength = 1;
};

// A cancelled write waits this long for its driver to end it.
constexpr DWORD kCancelledWriteWaitMilliseconds = 5000;

// One overlapped write: its record and its own copy of the bytes. The system
// reads both until the write has ended, and a driver that ends a cancelled
// write late may do so after the copy has given the device up.
struct Transfer {
  OVERLAPPED overlapped{};
  std::vector<char> bytes;
};

// The transfers of devices given up on, each kept until the system reports
// it ended. Those still under way when the program ends are never freed.
class AbandonedTransfers {
 public:
  ~AbandonedTransfers() {
    for (std::unique_ptr<Transfer>& transfer : transfers_) {
      if (!HasOverlappedIoCompleted(&transfer->overlapped)) static_cast<void>(transfer.release());
    }
  }
  void Keep(std::unique_ptr<Transfer> transfer) { transfers_.push_back(std::move(transfer)); }
  void FreeEnded() {
    std::erase_if(transfers_, [](const std::unique_ptr<Transfer>& transfer) {
      return HasOverlappedIoCompleted(&transfer->overlapped);
    });
  }

 private:
  std::vector<std::unique_ptr<Transfer>> transfers_;
};

AbandonedTransfers& Abandoned() {
  static AbandonedTransfers transfers;
  return transfers;
}

// A device opened for overlapped writes. A port may stop taking bytes for as
// long as its device likes (a serial printer out of paper, a reader that has
// stopped): its write waits for the device while the thread goes on handling
// its windows' messages, and can be cancelled. A write that completes at once
// costs no wait. One transfer at a time is under way, so the handle itself
// tells its end, which under Wine costs less than an event of its own.
class Win32Device final : public Win32File {
 public:
  using Win32File::Win32File;

  bool Read(void* buffer, std::uint32_t size, std::uint32_t& bytesRead) override {
    // A device takes no offset.
    OVERLAPPED overlapped{};
    bytesRead = 0;
    if (!ReadFile(Handle(), buffer, size, nullptr, &overlapped) &&
        GetLastError() != ERROR_IO_PENDING) {
      return false;
    }
    DWORD read = 0;
    const bool ok = GetOverlappedResult(Handle(), &overlapped, &read, TRUE) != FALSE;
    bytesRead = read;
    return ok;
  }

  bool Write(const void* data, std::uint32_t size, std::uint32_t& bytesWritten) override {
    return WriteOverlapped(data, size, bytesWritten, nullptr);
  }

  bool WriteWaiting(const void* data, std::uint32_t size, std::uint32_t& bytesWritten,
                    WriteWait& wait) override {
    return WriteOverlapped(data, size, bytesWritten, &wait);
  }

 private:
  bool WriteOverlapped(const void* data, std::uint32_t size, std::uint32_t& bytesWritten,
                       WriteWait* wait) {
    bytesWritten = 0;
    Abandoned().FreeEnded();
    if (GivenUp()) return false;
    if (!transfer_) transfer_ = std::make_unique<Transfer>();
    transfer_->overlapped = {};
    const char* bytes = static_cast<const char*>(data);
    transfer_->bytes.assign(bytes, bytes + size);
    OVERLAPPED& overlapped = transfer_->overlapped;
    const bool done =
        WriteFile(Handle(), transfer_->bytes.data(), size, nullptr, &overlapped) != FALSE;
    if (!done && GetLastError() != ERROR_IO_PENDING) return false;
    const bool awaited = done || AwaitCompletion(overlapped, wait);
    if (!awaited && !AwaitCancelled(overlapped, *wait)) {
      // The driver keeps the cancelled write: the port is closed rather than
      // wait for it with no end, and the transfer stays until it is over.
      Abandoned().Keep(std::move(transfer_));
      GiveUp();
      wait->DeviceAbandoned();
      return false;
    }
    // The transfer has ended, cancelled or not, before its record is reused.
    DWORD written = 0;
    const bool ok = GetOverlappedResult(Handle(), &overlapped, &written, TRUE) != FALSE;
    bytesWritten = written;
    return awaited && ok && written == size;
  }

  // False when the write was cancelled.
  bool AwaitCompletion(OVERLAPPED& overlapped, WriteWait* wait) {
    if (!wait) return true;
    for (;;) {
      const HANDLE device = Handle();
      const DWORD woken = MsgWaitForMultipleObjects(1, &device, FALSE, INFINITE, QS_ALLINPUT);
      if (woken == WAIT_OBJECT_0) return true;
      if (woken != WAIT_OBJECT_0 + 1 || !wait->MessagesArrived()) {
        CancelIoEx(Handle(), &overlapped);
        return false;
      }
    }
  }

  // Waits a bounded time for a cancelled write to end, the window answering
  // meanwhile; false when it has not ended.
  bool AwaitCancelled(OVERLAPPED& overlapped, WriteWait& wait) {
    const ULONGLONG deadline = GetTickCount64() + kCancelledWriteWaitMilliseconds;
    for (;;) {
      if (HasOverlappedIoCompleted(&overlapped)) return true;
      const ULONGLONG now = GetTickCount64();
      if (now >= deadline) return false;
      const HANDLE device = Handle();
      const DWORD woken = MsgWaitForMultipleObjects(
          1, &device, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
      if (woken == WAIT_OBJECT_0 + 1) {
        // The run has been stopped already; the answer changes nothing.
        static_cast<void>(wait.MessagesArrived());
      } else if (woken != WAIT_OBJECT_0 && woken != WAIT_TIMEOUT) {
        return false;
      }
    }
  }

  std::unique_ptr<Transfer> transfer_;
};

DWORD AccessFlags(FileAccess access) {
  switch (access) {
    case FileAccess::Read:
      return GENERIC_READ;
    case FileAccess::Write:
      return GENERIC_WRITE;
    case FileAccess::Rename:
      return DELETE;
    case FileAccess::ReadWrite:
      break;
  }
  return GENERIC_READ | GENERIC_WRITE;
}

DWORD ShareFlags(unsigned share) {
  DWORD flags = 0;
  if (share & ShareRead) flags |= FILE_SHARE_READ;
  if (share & ShareWrite) flags |= FILE_SHARE_WRITE;
  if (share & ShareDelete) flags |= FILE_SHARE_DELETE;
  return flags;
}

DWORD DispositionFlag(FileDisposition disposition) {
  switch (disposition) {
    case FileDisposition::CreateAlways:
      return CREATE_ALWAYS;
    case FileDisposition::AppendAlways:
      return OPEN_ALWAYS;
    case FileDisposition::OpenExisting:
    case FileDisposition::AppendExisting:
      break;
  }
  return OPEN_EXISTING;
}

// A handle that may only append has every write put at the file's end by the
// system, in one piece, whatever other handles append meanwhile; no position
// of ours is involved, so a file past 4 GiB is no different.
// Reading is asked too, as a lock needs it (AppendingFile).
constexpr DWORD kAppendOnlyAccess = FILE_APPEND_DATA | GENERIC_READ;

DWORD Attributes(const std::string& path) {
  const std::wstring wide = WidePath(path);
  return wide.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide.c_str());
}

HANDLE OpenHandle(const std::string& path, const FileOpenMode& mode, bool overlapped) {
  const DWORD access = mode.disposition == FileDisposition::AppendAlways ? kAppendOnlyAccess
                                                                         : AccessFlags(mode.access);
  const DWORD share = ShareFlags(mode.share);
  const DWORD disposition = DispositionFlag(mode.disposition);
  const DWORD flags = FILE_ATTRIBUTE_NORMAL | (overlapped ? FILE_FLAG_OVERLAPPED : 0);
  const std::wstring wide = WidePath(path);
  if (wide.empty()) return INVALID_HANDLE_VALUE;
  return CreateFileW(wide.c_str(), access, share, nullptr, disposition, flags, nullptr);
}

bool DeletePath(const std::string& path) {
  const std::wstring wide = WidePath(path);
  return !wide.empty() && DeleteFileW(wide.c_str()) != FALSE;
}

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) {
  // The system reports attributes for a device name as for a file.
  if (path.empty() || NamesDevice(path)) return false;
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::unique_ptr<File> Win32FileSystem::Open(const std::string& path, const FileOpenMode& mode,
                                            OpenFailure& failure) {
  failure = OpenFailure::Refused;
  // Opening a port or the console may already wait, so the name is looked at
  // first; the handle's type then catches what the name did not show.
  if (mode.diskFileOnly && NamesDevice(path)) return nullptr;
  HANDLE handle = OpenHandle(path, mode, mode.device);
  if (handle == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
      failure = OpenFailure::InUse;
    }
    return nullptr;
  }
  if (mode.diskFileOnly && GetFileType(handle) != FILE_TYPE_DISK) {
    CloseHandle(handle);
    return nullptr;
  }
  // The end with its high part: a file of 4 GiB or more has one.
  if (mode.disposition == FileDisposition::AppendExisting &&
      !SetFilePointerEx(handle, LARGE_INTEGER{}, nullptr, FILE_END)) {
    CloseHandle(handle);
    return nullptr;
  }
  if (mode.device && mode.disposition == FileDisposition::CreateAlways &&
      GetLastError() != ERROR_ALREADY_EXISTS && GetFileType(handle) == FILE_TYPE_DISK) {
    // The port name is no device here and CREATE_ALWAYS has just made a file of
    // that name: take it away again and report the port as absent.
    CloseHandle(handle);
    DeletePath(path);
    return nullptr;
  }
  if (mode.device && GetFileType(handle) == FILE_TYPE_DISK) {
    // A port that the system links to a file on disk (as Wine can) never
    // keeps a write waiting, and overlapped writes cost a round trip to the
    // system each there: it is written plainly.
    CloseHandle(handle);
    handle = OpenHandle(path, mode, false);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    failure = OpenFailure::None;
    return std::make_unique<Win32File>(handle);
  }
  failure = OpenFailure::None;
  if (mode.device) return std::make_unique<Win32Device>(handle);
  if (mode.disposition == FileDisposition::AppendAlways) {
    return std::make_unique<AppendingFile>(handle);
  }
  return std::make_unique<Win32File>(handle);
}

bool Win32FileSystem::Replace(const std::string& source, const std::string& target) {
  constexpr DWORD kFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
  const std::wstring wideSource = WidePath(source);
  const std::wstring wideTarget = WidePath(target);
  return !wideSource.empty() && !wideTarget.empty() &&
         MoveFileExW(wideSource.c_str(), wideTarget.c_str(), kFlags) != FALSE;
}

bool Win32FileSystem::Delete(const std::string& path) { return DeletePath(path); }

}  // namespace morvane::platform::win32
