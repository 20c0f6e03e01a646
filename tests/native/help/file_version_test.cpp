#include "help/file_version.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "fakes/fake_file_version_info.h"

namespace morvane::help {
namespace {

TEST(CompareVersions, TheFirstDifferingNumberDecidesUnsigned) {
  const FileVersion base{4, 72, 7290, 0};
  EXPECT_EQ(CompareVersions(base, base), 0);
  EXPECT_EQ(CompareVersions({4, 72, 7290, 1}, base), 1);
  EXPECT_EQ(CompareVersions({4, 72, 7289, 65535}, base), -1);
  EXPECT_EQ(CompareVersions({3, 99, 9999, 9999}, base), -1);
  EXPECT_EQ(CompareVersions({4, 0, 65535, 0}, {4, 0, 1, 0}), 1);
}

TEST(ReadFileVersion, TakesTheHighWordsFirst) {
  fakes::FakeFileSystem files;
  fakes::FakeFileVersionInfo versions;
  files.AddFile("C:\\a.dll", "MZ");
  versions.SetFileVersion("C:\\a.dll", 4, 73, 8466, 3);
  const VersionReading reading = ReadFileVersion("C:\\a.dll", files, versions);
  EXPECT_EQ(reading.version, (FileVersion{4, 73, 8466, 3}));
  EXPECT_EQ(reading.text, "4.73.8466.3");
  EXPECT_EQ(FromFixedVersion({0x00040049, 0x21120003}), (FileVersion{4, 73, 0x2112, 3}));
}

TEST(ReadFileVersion, NothingWhenAnyStepFails) {
  fakes::FakeFileSystem files;
  fakes::FakeFileVersionInfo versions;
  const auto expectNothing = [&](const std::string& path) {
    const VersionReading reading = ReadFileVersion(path, files, versions);
    EXPECT_EQ(reading.version, FileVersion{}) << path;
    EXPECT_EQ(reading.text, "") << path;
  };
  expectNothing("");
  versions.SetFileVersion("C:\\a.dll", 4, 74, 8702, 0);
  expectNothing("C:\\a.dll");  // no such file
  files.AddFile("C:\\a.dll", "MZ");
  versions.FailRead("C:\\a.dll");
  expectNothing("C:\\a.dll");
  versions.SetNoInfo("C:\\a.dll");
  expectNothing("C:\\a.dll");
}

TEST(RepairBrowserVersion, OnlyOldVersionsWithReleaseZero) {
  const VersionReading repaired = RepairBrowserVersion({{4, 70, 0, 1155}, "4.70.0.1155"});
  EXPECT_EQ(repaired.version, (FileVersion{4, 70, 1155, 0}));
  EXPECT_EQ(repaired.text, "4.70.1155.0");
  EXPECT_EQ(RepairBrowserVersion({{4, 40, 0, 520}, ""}).text, "4.40.520.0");
  for (const FileVersion kept : {FileVersion{4, 71, 0, 1712}, FileVersion{4, 70, 1, 1155},
                                 FileVersion{5, 0, 0, 2014}, FileVersion{3, 70, 0, 1155}}) {
    EXPECT_EQ(RepairBrowserVersion({kept, "as read"}).text, "as read");
  }
}

}  // namespace
}  // namespace morvane::help
