#pragma once

#include <string>

#include "fakes/fake_file_version_info.h"
#include "fakes/fake_help_control_library.h"
#include "fakes/fake_local_clock.h"
#include "help/help_platform.h"
#include "platform/desktop.h"
#include "platform/system_folders.h"

namespace morvane::fakes {

class FakeSystemFolders final : public platform::SystemFolders {
 public:
  std::string WindowsDirectory() override { return windows; }
  std::string SystemDirectory() override { return system; }
  std::string windows = "C:\\WINDOWS";
  std::string system = "C:\\WINDOWS\\SYSTEM";
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
