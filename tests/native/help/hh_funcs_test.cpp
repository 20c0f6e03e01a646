#include "help/hh_funcs.h"

#include <gtest/gtest.h>

#include <string>

#include "help_fixture.h"

namespace morvane::help {
namespace {

constexpr char kProgramLog[] = "C:\\Morvane\\HHDebug.txt";
constexpr char kProbe[] = "C:\\Morvane\\$_Temp_$.$$$";

std::string Line(const std::string& text) { return text + "\t5-3-2024 14:07:09\r\n"; }

class HelpFindingsTest : public testing::HelpTest {
 protected:
  HelpFindings findings{fake.platform, helpFake.platform};
};

TEST_F(HelpFindingsTest, TheStartUpLogLineByLine) {
  InstallHelpControl();
  InstallBrowser(4, 70, 0, 1155);
  fake.files.AddFile(kProgramLog, "old run\r\n");
  SetArguments("/WIN a.prn -Debug");
  findings.Start();
  const std::string separator = Line(std::string(80, '-'));
  EXPECT_EQ(fake.files.Contents(kProgramLog),
            Line("_RunDir = \"C:\\Morvane\"") + separator + Line("_hhInstalled = YES") +
                Line("_hhVerStr = 4.74.8702.0") + Line("_hhFriendlyVerStr = > 1.21a") + separator +
                Line("_ieInstalled = YES") + Line("_ieVerStr = 4.70.1155.0") +
                Line("_ieFriendlyVerStr = Internet Explorer 3.0") + separator);
  const auto opens = fake.files.OpensOf(kProgramLog);
  ASSERT_EQ(opens.size(), 10u);
  EXPECT_EQ(opens[0].mode.disposition, platform::FileDisposition::CreateAlways);
  EXPECT_EQ(opens[9].mode.disposition, platform::FileDisposition::AppendExisting);
  EXPECT_EQ(fake.files.OpenHandles(), 0);
}

TEST_F(HelpFindingsTest, NothingInstalledAndNoDebugMode) {
  fake.files.AddFile(kProgramLog, "old run\r\n");
  findings.Start();
  EXPECT_FALSE(findings._LogEnabled);
  EXPECT_FALSE(fake.files.HasFile(kProgramLog));
  EXPECT_FALSE(findings._hhInstalled);
  EXPECT_EQ(findings._hhFriendlyVerStr, "");
  EXPECT_FALSE(findings._ieInstalled);
  EXPECT_EQ(findings._ieFriendlyVerStr, "");
}

TEST_F(HelpFindingsTest, TheMarkerSwitchesDebugModeOn) {
  fake.files.AddFile("C:\\Morvane\\debug.debug", "");
  findings.Start();
  EXPECT_TRUE(findings._LogEnabled);
}

TEST_F(HelpFindingsTest, AProgramInTheRootOfADrive) {
  fake.system.SetProgramPath("D:\\morvane.exe");
  SetArguments("/debug");
  findings.Start();
  EXPECT_EQ(findings._RunDir, "D:");
  EXPECT_TRUE(
      fake.files.Contents("D:\\HHDebug.txt").value_or("").starts_with(Line("_RunDir = \"D:\"")));
}

TEST_F(HelpFindingsTest, TheProbeFileIsCreatedAndDeletedAgain) {
  fake.files.AddFile(kProbe, "left over");
  EXPECT_TRUE(findings.IsFolderWritable("C:\\Morvane\\\\"));
  EXPECT_EQ(fake.files.OpensOf(kProbe).at(0).mode.disposition,
            platform::FileDisposition::CreateAlways);
  EXPECT_FALSE(fake.files.HasFile(kProbe));
  fake.files.RefuseOpen(kProbe);
  EXPECT_FALSE(findings.IsFolderWritable("C:\\Morvane"));
}

TEST_F(HelpFindingsTest, AReadOnlyProgramFolderSendsTheLogToTheWindowsFolder) {
  fake.files.RefuseOpen(kProbe);
  fake.files.RefuseOpen(kProgramLog);
  helpFake.folders.windows = "C:\\WINDOWS\\";
  SetArguments("/debug");
  findings.Start();
  EXPECT_EQ(findings._LogDir, "C:\\WINDOWS");
  EXPECT_TRUE(fake.files.HasFile("C:\\WINDOWS\\HHDebug.txt"));

  fake.files.RefuseOpen("C:\\WINDOWS\\HHDebug.txt");
  findings.WriteLogLine("dropped");
  EXPECT_EQ(fake.files.OpenHandles(), 0);
}

}  // namespace
}  // namespace morvane::help
