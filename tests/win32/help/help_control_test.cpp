// The help layer on Wine's own services: its HTML Help control found through
// the registry, its version read, the program's help file opened in a help
// window that is closed again when the control is freed, and the debug log.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "fakes/fake_help_platform.h"
#include "fakes/fake_platform.h"
#include "help/file_version.h"
#include "help/hh.h"
#include "help/hh_funcs.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_file_version_info.h"
#include "platform/win32/win32_help_control_library.h"
#include "platform/win32/win32_local_clock.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_system_folders.h"
#include "test_environment.h"

namespace morvane::help {
namespace {

TEST(Win32HelpControl, OpensTheHelpFileAndClosesItsWindowWhenFreed) {
  platform::win32::Win32Registry registry;
  platform::win32::Win32FileSystem files;
  platform::win32::Win32HelpControlLibrary library;
  platform::win32::Win32FileVersionInfo versions;
  const std::string path = FindHelpControlPath(registry, files);
  EXPECT_NE(path.find("hhctrl.ocx"), std::string::npos) << path;
  EXPECT_FALSE(ReadFileVersion(path, files, versions).text.empty());

  HelpControl control{registry, files, library};
  control.LoadHelpControl();
  ASSERT_NE(control.DefaultHtmlHelp, 0u);
  EXPECT_NE(control.HtmlHelpW, 0u);
  const std::string helpFile = testing::WindowsPath(MORVANE_HELP_FILE);
  control.CallDefaultHtmlHelp(platform::win32::Win32Desktop().DesktopWindow(),
                              helpFile + "::/index.htm", platform::kHhDisplayTopic, 0);
  const HWND window = FindWindowA("HH Parent", nullptr);
  ASSERT_NE(window, nullptr);

  control.FreeHelpControl();
  EXPECT_FALSE(IsWindow(window));
}

TEST(Win32DebugLog, EachStartWritesAFreshLogOfTenLines) {
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(sizeof(temp), temp);
  const std::string folder =
      temp + std::string("morvane-help-") + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  fakes::FakePlatform fake;
  fake.system.SetProgramPath(folder + "\\morvane.exe");
  fake.system.SetCommandLine("morvane.exe /Debug");
  platform::win32::Win32FileSystem files;
  platform::win32::Win32SystemFolders folders;
  platform::win32::Win32LocalClock clock;
  fakes::FakeHelpPlatform helpFake;
  platform::Platform platform{files,        fake.spooler,    fake.registry,     fake.boxes,
                              fake.cursor,  fake.pump,       fake.printerSetup, fake.system,
                              fake.shell,   fake.openDialog, fake.clock,        clock,
                              fake.folders, fake.network};
  HelpPlatform help{helpFake.library, helpFake.versions, folders, clock, helpFake.desktop};

  for (int start = 0; start < 2; ++start) {
    HelpFindings{platform, help}.Start();
    std::ifstream in(folder + "\\HHDebug.txt", std::ios::binary);
    std::string line;
    int lines = 0;
    while (std::getline(in, line)) {
      ++lines;
      EXPECT_TRUE(line.ends_with('\r')) << line;
      EXPECT_GT(line.find(' ', line.find('\t')), line.find('\t') + 1) << line;  // date, time
    }
    EXPECT_EQ(lines, 10);
  }
  EXPECT_EQ(GetFileAttributesA((folder + "\\$_Temp_$.$$$").c_str()), INVALID_FILE_ATTRIBUTES);
  DeleteFileA((folder + "\\HHDebug.txt").c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
}  // namespace morvane::help
