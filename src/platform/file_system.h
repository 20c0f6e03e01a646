#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace morvane::platform {

// Rename opens a file to rename or delete it, not to read or write it.
enum class FileAccess { Read, Write, ReadWrite, Rename };

// Others may open the file meanwhile for these kinds of access.
// ShareDelete lets others rename or delete the file.
enum FileShare : unsigned { ShareNone = 0, ShareRead = 1, ShareWrite = 2, ShareDelete = 4 };

// AppendExisting opens an existing file with its writes going to its end.
// AppendAlways opens the file, creating it when absent, for appending only:
// each write goes whole to the end the file has at that moment, even while
// other programs append to it too.
enum class FileDisposition { OpenExisting, CreateAlways, AppendExisting, AppendAlways };

// Why an open failed.
enum class OpenFailure {
  None,
  // Another program holds the file in a way that shuts this open out (a
  // sharing violation): that may pass.
  InUse,
  // Any other reason.
  Refused,
};

struct FileOpenMode {
  FileAccess access;
  unsigned share;
  FileDisposition disposition;
  // The name must be one of the system's devices (a port such as "LPT1");
  // where it is not, the open fails and no file of that name is created. A
  // device's writes can wait for it without holding up the thread's windows
  // (File::WriteWaiting).
  bool device = false;
  // The name must be a file on disk: a device name, a pipe or a console is
  // refused before anything waits on it.
  bool diskFileOnly = false;
};

// What a write does while its device keeps it waiting.
class WriteWait {
 public:
  virtual ~WriteWait() = default;
  // Messages have come for the thread's windows: handles them. False
  // cancels the write.
  virtual bool MessagesArrived() = 0;
  // A cancelled write did not end in time, so its device was given up: the
  // copy cannot go on, and the user is to hear why.
  virtual void DeviceAbandoned() = 0;
};

// An open file or device. The destructor closes it when Close was not called;
// call Close to learn whether closing succeeded.
class File {
 public:
  virtual ~File() = default;
  // Reads up to size bytes; bytesRead is 0 at the end of the file.
  virtual bool Read(void* buffer, std::uint32_t size, std::uint32_t& bytesRead) = 0;
  virtual bool Write(const void* data, std::uint32_t size, std::uint32_t& bytesWritten) = 0;
  // As Write; while a device keeps the write waiting, `wait` is told of every
  // message that comes for the thread's windows, and when it answers false the
  // write is cancelled and fails. Only a device waits this way.
  virtual bool WriteWaiting(const void* data, std::uint32_t size, std::uint32_t& bytesWritten,
                            WriteWait& wait) {
    static_cast<void>(wait);
    return Write(data, size, bytesWritten);
  }
  // The file's size in bytes; 0 for a device or when the size can't be told.
  virtual std::uint64_t Size() = 0;
  // Has the system write what it still holds of the file to the disk.
  virtual bool Flush() = 0;
  virtual bool Close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // An existing entry that is not a directory. An empty path never exists,
  // nor does a device (NUL, CON, LPT1, ...) under any folder or extension.
  virtual bool FileExists(const std::string& path) = 0;
  // Null when the platform refuses the open; failure then says why.
  virtual std::unique_ptr<File> Open(const std::string& path, const FileOpenMode& mode,
                                     OpenFailure& failure) = 0;
  std::unique_ptr<File> Open(const std::string& path, const FileOpenMode& mode) {
    OpenFailure failure = OpenFailure::None;
    return Open(path, mode, failure);
  }
  // Puts source in the place of target, replacing it; false leaves target as it was.
  virtual bool Replace(const std::string& source, const std::string& target) = 0;
  virtual bool Delete(const std::string& path) = 0;
};

}  // namespace morvane::platform
