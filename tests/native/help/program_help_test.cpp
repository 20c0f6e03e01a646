// The help layer inside the whole program: the help button wired to it, and
// the control freed only after the windows have ended.
#include <gtest/gtest.h>

#include "forms/program_fixture.h"
#include "help/hh.h"

namespace morvane::testing {
namespace {

TEST(ProgramHelp, TheButtonOpensHelpAndTheControlOutlivesTheWindows) {
  ProgramFixture run;
  const char* control = "C:\\WINDOWS\\SYSTEM\\hhctrl.ocx";
  run.fake.registry.StoreString(platform::RegistryRoot::ClassesRoot, help::kHelpControlKey, "",
                                control);
  run.fake.files.AddFile(control, "MZ");
  run.fake.files.AddFile("C:\\Morvane\\morvane.chm", "ITSF");
  run.helpFake.versions.SetFileVersion(control, 4, 74, 8702, 0);
  run.helpFake.library.AddLibrary(control, {help::kHtmlHelpAName});
  run.Start();
  run.main().HelpBook.Click();
  EXPECT_EQ(run.helpFake.library.HtmlHelpCalls().at(0).file,
            "C:\\Morvane\\morvane.chm::/index.htm");

  run.Finish();
  EXPECT_EQ(run.helpFake.library.LoadedCount(), 1);
  run.program.reset();
  EXPECT_EQ(run.helpFake.library.Events().back(), "Free");
  EXPECT_EQ(run.helpFake.library.LoadedCount(), 0);
}

}  // namespace
}  // namespace morvane::testing
