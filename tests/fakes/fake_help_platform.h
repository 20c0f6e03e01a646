#pragma once

#include <string>

#include "fakes/fake_file_version_info.h"
#include "fakes/fake_help_control_library.h"
#include "help/help_platform.h"
#include "platform/desktop.h"
#include "platform/local_clock.h"
#include "platform/system_folders.h"

namespace morvane::fakes {

class FakeSystemFolders final : public platform::SystemFolders {
 public:
  std::string WindowsDirectory() override { return windows; }
  std::string SystemDirectory() override { return system; }
  std::string windows = "C:\\WINDOWS";
  std::string system = "C:\\WINDOWS\\SYSTEM";
};

// A clock that always shows the same moment, and counts how often it is read.
class FakeLocalClock final : public platform::LocalClock {
 public:
  std::string DateTimeText() override {
    ++reads;
    return text;
  }
  std::string text = "5-3-2024 14:07:09";
  int reads = 0;
};

class FakeDesktop final : public platform::Desktop {
 public:
  base::WindowHandle DesktopWindow() override { return window; }
  base::WindowHandle window = 0x10010;
};

// Every service of the help layer faked.
struct FakeHelpPlatform {
  FakeHelpControlLibrary library;
  FakeFileVersionInfo versions;
  FakeSystemFolders folders;
  FakeLocalClock clock;
  FakeDesktop desktop;
  help::HelpPlatform platform{library, versions, folders, clock, desktop};
};

}  // namespace morvane::fakes
