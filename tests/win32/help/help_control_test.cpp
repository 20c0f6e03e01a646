// The help layer on Wine's own HTML Help control: found through the real
// registry, its version read, the program's help file opened in a help
// window, and that window closed again when the control is freed.
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

constexpr char kHelpWindowClass[] = "HH Parent";

class Win32HelpControlTest : public ::testing::Test {
 protected:
  platform::win32::Win32Registry registry;
  platform::win32::Win32FileSystem files;
  platform::win32::Win32HelpControlLibrary library;
  platform::win32::Win32FileVersionInfo versions;
  platform::win32::Win32Desktop desktop;
  HelpControl control{registry, files, library};
};

TEST_F(Win32HelpControlTest, FindsLoadsAndReadsTheRegisteredControl) {
  const std::string path = FindHelpControlPath(registry, files);
  ASSERT_FALSE(path.empty());
  EXPECT_NE(path.find("hhctrl.ocx"), std::string::npos) << path;

  const VersionReading reading = ReadFileVersion(path, files, versions);
  EXPECT_FALSE(reading.text.empty());
  EXPECT_EQ(reading.text, VersionText(reading.version));

  control.LoadHelpControl();
  EXPECT_NE(control.DefaultHtmlHelp, 0u);
  EXPECT_EQ(control.DefaultHtmlHelp, control.HtmlHelpA);
  EXPECT_NE(control.HtmlHelpW, 0u);
}

TEST_F(Win32HelpControlTest, OpensTheHelpFileAndClosesItsWindowWhenFreed) {
  const std::string helpFile = testing::WindowsPath(MORVANE_HELP_FILE);
  ASSERT_TRUE(files.FileExists(helpFile)) << helpFile;
  control.LoadHelpControl();
  ASSERT_NE(control.DefaultHtmlHelp, 0u);

  control.CallDefaultHtmlHelp(desktop.DesktopWindow(), helpFile + "::/index.htm",
                              platform::kHhDisplayTopic, 0);
  const HWND window = FindWindowA(kHelpWindowClass, nullptr);
  ASSERT_NE(window, nullptr);

  control.FreeHelpControl();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(FindWindowA(kHelpWindowClass, nullptr), nullptr);
}

TEST(Win32HelpPlatformTest, FoldersAndClockGiveText) {
  platform::win32::Win32SystemFolders folders;
  const std::string windowsFolder = folders.WindowsDirectory();
  const std::string systemFolder = folders.SystemDirectory();
  EXPECT_EQ(GetFileAttributesA(windowsFolder.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
            DWORD{FILE_ATTRIBUTE_DIRECTORY});
  EXPECT_EQ(systemFolder.rfind(windowsFolder, 0), 0u) << systemFolder;
  EXPECT_EQ(windowsFolder.find('\0'), std::string::npos);

  platform::win32::Win32LocalClock clock;
  const std::string now = clock.DateTimeText();
  const std::size_t blank = now.find(' ');
  ASSERT_NE(blank, std::string::npos) << now;
  EXPECT_GT(blank, 0u);
  EXPECT_LT(blank + 1, now.size());
}

// The debug log on the real file system, beside a program in a fresh folder.
class Win32DebugLogTest : public ::testing::Test {
 protected:
  Win32DebugLogTest() {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(sizeof(temp), temp);
    folder = std::string(temp) + "morvane-help-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    fake.system.SetProgramPath(folder + "\\morvane.exe");
    fake.system.SetCommandLine("morvane.exe /Debug");
  }
  ~Win32DebugLogTest() override {
    DeleteFileA(LogPath().c_str());
    RemoveDirectoryA(folder.c_str());
  }
  std::string LogPath() const { return folder + "\\HHDebug.txt"; }
  std::string ReadLog() const {
    std::ifstream in(LogPath(), std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
  }

  std::string folder;
  fakes::FakePlatform fake;
  platform::win32::Win32FileSystem files;
  platform::win32::Win32Registry registry;
  platform::win32::Win32SystemFolders folders;
  platform::win32::Win32LocalClock clock;
  fakes::FakeHelpPlatform helpFake;
  platform::Platform platform{files,       fake.spooler,   registry,          fake.boxes,
                              fake.cursor, fake.pump,      fake.printerSetup, fake.system,
                              fake.shell,  fake.openDialog};
  HelpPlatform help{helpFake.library, helpFake.versions, folders, clock, helpFake.desktop};
};

TEST_F(Win32DebugLogTest, EachStartWritesAFreshLogOfTenLines) {
  for (int start = 0; start < 2; ++start) {
    HelpFindings findings{platform, help};
    findings.Start();
    EXPECT_EQ(findings._LogDir, folder);
    const std::string log = ReadLog();
    std::istringstream lines(log);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
      ++count;
      ASSERT_FALSE(line.empty());
      EXPECT_EQ(line.back(), '\r');
      EXPECT_NE(line.find('\t'), std::string::npos) << line;
    }
    EXPECT_EQ(count, 10) << log;
    EXPECT_EQ(log.rfind("_RunDir = \"" + folder + "\"\t", 0), 0u) << log;
    EXPECT_NE(log.find(std::string(80, '-') + '\t'), std::string::npos);
  }
  EXPECT_EQ(GetFileAttributesA((folder + "\\$_Temp_$.$$$").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace morvane::help
