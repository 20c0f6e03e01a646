#include "fakes/fake_file_version_info.h"

namespace morvane::fakes {
namespace {

constexpr std::uint32_t kInfoSize = 0x2A0;
constexpr int kWordBits = 16;

}  // namespace

void FakeFileVersionInfo::SetFileVersion(const std::string& path, std::uint16_t major,
                                         std::uint16_t minor, std::uint16_t release,
                                         std::uint16_t build) {
  versions_[path] = {(std::uint32_t{major} << kWordBits) | minor,
                     (std::uint32_t{release} << kWordBits) | build};
}

void FakeFileVersionInfo::SetNoInfo(const std::string& path) { versions_.erase(path); }

void FakeFileVersionInfo::FailRead(const std::string& path) { failingReads_.insert(path); }

std::uint32_t FakeFileVersionInfo::InfoSize(const std::string& path) {
  return versions_.contains(path) || failingReads_.contains(path) ? kInfoSize : 0;
}

bool FakeFileVersionInfo::ReadFixedVersion(const std::string& path, std::uint32_t size,
                                           platform::FixedFileVersion& version) {
  auto found = versions_.find(path);
  if (size != kInfoSize || failingReads_.contains(path) || found == versions_.end()) return false;
  version = found->second;
  return true;
}

}  // namespace morvane::fakes
