#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "platform/file_version_info.h"

namespace morvane::help {

// A file version as major.minor.release.build.
struct FileVersion {
  std::uint16_t major = 0;
  std::uint16_t minor = 0;
  std::uint16_t release = 0;
  std::uint16_t build = 0;

  friend bool operator==(const FileVersion&, const FileVersion&) = default;
};

// A version read from a file, with its text; both empty when it couldn't be read.
struct VersionReading {
  FileVersion version;
  std::string text;
};

FileVersion FromFixedVersion(const platform::FixedFileVersion& fixed);

// The four numbers in decimal, joined by ".".
std::string VersionText(const FileVersion& version);

// 1 when a is higher, 0 when equal, -1 when lower; the first differing number
// decides, from major to build.
int CompareVersions(const FileVersion& a, const FileVersion& b);

VersionReading ReadFileVersion(const std::string& path, platform::FileSystem& files,
                               platform::FileVersionInfo& versions);

// Old browser components (4.0 to 4.70 with release 0) carry their build
// number in the place of the release: the two are swapped back.
VersionReading RepairBrowserVersion(const VersionReading& reading);

}  // namespace morvane::help
