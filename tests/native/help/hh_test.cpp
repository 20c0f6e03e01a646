#include "help/hh.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help_fixture.h"

namespace morvane::help {
namespace {

using testing::kHelpControlPath;
using Events = std::vector<std::string>;

class HelpControlTest : public testing::HelpTest {
 protected:
  std::string Find() { return FindHelpControlPath(fake.registry, fake.files); }
  HelpControl control{fake.registry, fake.files, helpFake.library};
};

TEST_F(HelpControlTest, FindsOnlyARegisteredExistingFile) {
  EXPECT_EQ(Find(), "");
  RegisterHelpControl("");
  EXPECT_EQ(Find(), "");
  RegisterHelpControl(kHelpControlPath);
  EXPECT_EQ(Find(), "");  // the file is missing
  fake.files.AddFile(kHelpControlPath, "MZ");
  EXPECT_EQ(Find(), kHelpControlPath);
  const auto open = fake.registry.CallsOf(fakes::RegistryOp::OpenKey).back();
  EXPECT_EQ(open.root, platform::RegistryRoot::ClassesRoot);
  EXPECT_EQ(open.subkey, "CLSID\\{adb880a6-d8ff-11cf-9377-00aa003b7a11}\\InprocServer32");
  EXPECT_EQ(open.access, platform::kKeyRead);
  EXPECT_EQ(fake.registry.OpenHandleCount(), 0u);
}

TEST_F(HelpControlTest, LoadsOnceAndResolvesTheEntries) {
  InstallHelpControl();
  control.LoadHelpControl();
  control.LoadHelpControl();
  EXPECT_EQ(helpFake.library.Events(),
            (Events{std::string("Load ") + kHelpControlPath, "Resolve HtmlHelpA",
                    "Resolve HtmlHelpW", "Resolve HtmlHelpA"}));
  const platform::EntryPoint ansi = helpFake.library.EntryOf(kHelpControlPath, "HtmlHelpA");
  EXPECT_NE(ansi, 0u);
  EXPECT_EQ(control.HtmlHelpA, ansi);
  EXPECT_EQ(control.DefaultHtmlHelp, ansi);
  EXPECT_EQ(control.HtmlHelpW, helpFake.library.EntryOf(kHelpControlPath, "HtmlHelpW"));
}

TEST_F(HelpControlTest, AMissingExportOrAFailedLoadLeavesEntriesEmpty) {
  InstallHelpControl({kHtmlHelpWName});
  control.LoadHelpControl();
  EXPECT_EQ(control.DefaultHtmlHelp, 0u);
  EXPECT_NE(control.HtmlHelpW, 0u);

  HelpControl unloadable{fake.registry, fake.files, helpFake.library};
  RegisterHelpControl("C:\\broken.ocx");
  fake.files.AddFile("C:\\broken.ocx", "not a library");
  unloadable.LoadHelpControl();
  EXPECT_EQ(unloadable.HtmlHelpW, 0u);
}

TEST_F(HelpControlTest, ClosesTheHelpWindowsBeforeFreeing) {
  InstallHelpControl();
  control.LoadHelpControl();
  const platform::EntryPoint entry = control.DefaultHtmlHelp;
  control.FreeHelpControl();
  control.FreeHelpControl();

  const Events& events = helpFake.library.Events();
  EXPECT_EQ(Events(events.begin() + 4, events.end()), (Events{"HtmlHelpA 18", "Free"}));
  const fakes::HtmlHelpCall& close = helpFake.library.HtmlHelpCalls().at(0);
  EXPECT_EQ(close.entry, entry);
  EXPECT_TRUE(close.live);
  EXPECT_FALSE(close.file.has_value());
  EXPECT_EQ(helpFake.library.LoadedCount(), 0);
  EXPECT_EQ(control.HtmlHelpA | control.HtmlHelpW | control.DefaultHtmlHelp, 0u);
}

}  // namespace
}  // namespace morvane::help
