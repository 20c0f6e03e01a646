#pragma once

#include <cstdint>
#include <string>

namespace morvane::platform {

// The file version of a file's fixed version information, as two 32-bit words.
struct FixedFileVersion {
  std::uint32_t mostSignificant = 0;
  std::uint32_t leastSignificant = 0;
};

class FileVersionInfo {
 public:
  virtual ~FileVersionInfo() = default;
  // GetFileVersionInfoSizeW: the bytes of path's version information, 0 when
  // it has none.
  virtual std::uint32_t InfoSize(const std::string& path) = 0;
  // GetFileVersionInfoW into a buffer of size bytes, then VerQueryValueW of
  // its root block "\"; false when either fails.
  virtual bool ReadFixedVersion(const std::string& path, std::uint32_t size,
                                FixedFileVersion& version) = 0;
};

}  // namespace morvane::platform
