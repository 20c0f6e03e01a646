#pragma once

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fakes/fake_help_platform.h"
#include "fakes/fake_platform.h"
#include "help/hh.h"

namespace morvane::testing {

inline constexpr char kHelpControlPath[] = "C:\\WINDOWS\\SYSTEM\\hhctrl.ocx";

// The program in C:\Morvane; nothing installed until a test says so.
class HelpTest : public ::testing::Test {
 protected:
  HelpTest() { fake.system.SetProgramPath("C:\\Morvane\\morvane.exe"); }

  void RegisterHelpControl(const std::string& path) {
    fake.registry.StoreString(platform::RegistryRoot::ClassesRoot, help::kHelpControlKey, "", path);
  }
  // Registered, present, loadable, of version 4.74.8702.0.
  void InstallHelpControl(std::set<std::string> exports = {help::kHtmlHelpAName,
                                                           help::kHtmlHelpWName}) {
    RegisterHelpControl(kHelpControlPath);
    fake.files.AddFile(kHelpControlPath, "MZ");
    helpFake.versions.SetFileVersion(kHelpControlPath, 4, 74, 8702, 0);
    helpFake.library.AddLibrary(kHelpControlPath, std::move(exports));
  }
  void InstallBrowser(std::uint16_t major, std::uint16_t minor, std::uint16_t release,
                      std::uint16_t build) {
    fake.files.AddFile("C:\\WINDOWS\\SYSTEM\\Shdocvw.dll", "MZ");
    helpFake.versions.SetFileVersion("C:\\WINDOWS\\SYSTEM\\Shdocvw.dll", major, minor, release,
                                     build);
  }
  void SetArguments(const std::string& arguments) {
    fake.system.SetCommandLine("\"C:\\Morvane\\morvane.exe\" " + arguments);
  }

  fakes::FakePlatform fake;
  fakes::FakeHelpPlatform helpFake;
};

}  // namespace morvane::testing
