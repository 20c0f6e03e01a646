#include "help/help_command.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/help_session.h"
#include "help_fixture.h"
#include "platform/msg.h"

namespace morvane::help {
namespace {

using Texts = std::vector<std::string>;
constexpr char kHelpFile[] = "C:\\Morvane\\morvane.chm";
constexpr char kNoHtmlHelp[] = "Dit systeem kan geen html helpfile's tonen";

class HelpCommandTest : public testing::HelpTest {
 protected:
  void Help() {
    HelpSession session{fake.platform, helpFake.platform};
    session.ShowProgramHelp(msg, "C:\\Morvane\\");
  }
  platform::Msg msg{fake.boxes, [] { return base::WindowHandle{0x2000}; }};
};

TEST_F(HelpCommandTest, OpensTheStartTopicOwnedByTheDesktop) {
  InstallHelpControl();
  fake.files.AddFile(kHelpFile, "ITSF");
  Help();
  EXPECT_TRUE(fake.boxes.Shown().empty());
  const fakes::HtmlHelpCall& call = helpFake.library.HtmlHelpCalls().at(0);
  EXPECT_EQ(call.entry, helpFake.library.EntryOf(testing::kHelpControlPath, kHtmlHelpAName));
  EXPECT_TRUE(call.live);
  EXPECT_EQ(call.caller, helpFake.desktop.window);
  EXPECT_EQ(call.file, "C:\\Morvane\\morvane.chm::/index.htm");
  EXPECT_EQ(call.command, platform::kHhDisplayTopic);
  EXPECT_EQ(call.data, 0u);
}

TEST_F(HelpCommandTest, NoHtmlHelpOnThisSystem) {
  fake.files.AddFile(kHelpFile, "ITSF");
  Help();
  EXPECT_EQ(fake.boxes.Texts(), Texts{kNoHtmlHelp});
  EXPECT_EQ(fake.boxes.Shown()[0].caption, "Error");
  EXPECT_EQ(fake.boxes.Shown()[0].style, platform::kWarningStyle);
}

TEST_F(HelpCommandTest, AVersionedControlWithoutHtmlHelpAIsNotCalled) {
  InstallHelpControl({kHtmlHelpWName});
  fake.files.AddFile(kHelpFile, "ITSF");
  Help();
  EXPECT_EQ(fake.boxes.Texts(), Texts{kNoHtmlHelp});
  EXPECT_EQ(helpFake.library.Events().back(), "Free");
  EXPECT_TRUE(helpFake.library.HtmlHelpCalls().empty());
}

TEST_F(HelpCommandTest, TheHelpFileIsMissing) {
  InstallHelpControl();
  Help();
  EXPECT_EQ(fake.boxes.Texts(), Texts{"helpfile C:\\Morvane\\morvane.chm niet gevonden"});
  EXPECT_EQ(fake.boxes.Shown()[0].caption, "Error");
  EXPECT_EQ(helpFake.library.HtmlHelpCalls().size(), 1u);  // only the closing at the end
}

}  // namespace
}  // namespace morvane::help
