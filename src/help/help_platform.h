#pragma once

#include "platform/desktop.h"
#include "platform/file_version_info.h"
#include "platform/help_control.h"
#include "platform/local_clock.h"
#include "platform/system_folders.h"

namespace morvane::help {

// What the help layer asks of the operating system beyond the program's
// common services.
struct HelpPlatform {
  platform::HelpControlLibrary& library;
  platform::FileVersionInfo& versions;
  platform::SystemFolders& folders;
  platform::LocalClock& clock;
  platform::Desktop& desktop;
};

}  // namespace morvane::help
