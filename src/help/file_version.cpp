#include "help/file_version.h"

#include <array>
#include <cstdio>

namespace morvane::help {
namespace {

constexpr int kWordBits = 16;
constexpr std::uint32_t kWordMask = 0xFFFF;
constexpr std::uint16_t kOldBrowserMajor = 4;
constexpr std::uint16_t kOldBrowserLastMinor = 70;
constexpr std::size_t kVersionTextSize = 24;

}  // namespace

FileVersion FromFixedVersion(const platform::FixedFileVersion& fixed) {
  return FileVersion{static_cast<std::uint16_t>(fixed.mostSignificant >> kWordBits),
                     static_cast<std::uint16_t>(fixed.mostSignificant & kWordMask),
                     static_cast<std::uint16_t>(fixed.leastSignificant >> kWordBits),
                     static_cast<std::uint16_t>(fixed.leastSignificant & kWordMask)};
}

std::string VersionText(const FileVersion& version) {
  std::array<char, kVersionTextSize> text{};
  std::snprintf(text.data(), text.size(), "%u.%u.%u.%u", unsigned{version.major},
                unsigned{version.minor}, unsigned{version.release}, unsigned{version.build});
  return text.data();
}

int CompareVersions(const FileVersion& a, const FileVersion& b) {
  const std::array<std::uint16_t, 4> left{a.major, a.minor, a.release, a.build};
  const std::array<std::uint16_t, 4> right{b.major, b.minor, b.release, b.build};
  if (left == right) return 0;
  return left > right ? 1 : -1;
}

VersionReading ReadFileVersion(const std::string& path, platform::FileSystem& files,
                               platform::FileVersionInfo& versions) {
  if (path.empty() || !files.FileExists(path)) return {};
  const std::uint32_t size = versions.InfoSize(path);
  if (size == 0) return {};
  platform::FixedFileVersion fixed;
  if (!versions.ReadFixedVersion(path, size, fixed)) return {};
  const FileVersion version = FromFixedVersion(fixed);
  return VersionReading{version, VersionText(version)};
}

VersionReading RepairBrowserVersion(const VersionReading& reading) {
  FileVersion version = reading.version;
  if (version.major != kOldBrowserMajor || version.minor > kOldBrowserLastMinor ||
      version.release != 0) {
    return reading;
  }
  version.release = version.build;
  version.build = 0;
  return VersionReading{version, VersionText(version)};
}

}  // namespace morvane::help
