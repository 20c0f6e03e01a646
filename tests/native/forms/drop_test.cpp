#include <gtest/gtest.h>

#include "base/name_text.h"
#include "forms/program_fixture.h"

namespace morvane::testing {
namespace {

// Client coordinates of the main window: Panel3 starts 33 pixels down.
constexpr int kPanel3Top = 33;

class DropTest : public ::testing::Test {
 protected:
  void Start(bool extended) {
    for (const char* port : {"LPT1", "LPT2", "LPT3", "COM1", "COM2"}) p.fake.files.AddDevice(port);
    p.fake.spooler.AddPrinter("Q");
    p.fake.printerSetup.SetCurrentDevice("Q");
    for (const char* name : {"a", "b", "c"})
      p.fake.files.AddFile(name, std::string("<") + name + ">");
    p.fake.files.AddDirectory("folder");
    if (extended) p.StoreRegistry("EXTENDEDMODE", "ON");
    p.SetCommandLine("x");
    p.Start();
    p.ShowAndActivate();
  }
  // What the window hands the form once it has taken the drop over.
  void Drop(std::vector<std::string> names, int x, int y) {
    main().OnDropFiles(ui::DroppedFiles{std::move(names), x, y});
  }
  std::vector<std::string> Files() {
    std::vector<std::string> files;
    for (int row = 1; row < main().FileGrid.RowCount() - 1; ++row) {
      files.push_back(main().FileGrid.Cell(0, row));
    }
    return files;
  }
  forms::TPrintfile1& main() { return p.main(); }
  ProgramFixture p;
};

TEST(HitTestTargetButton, HalfOpenRectanglesOfTheSixButtons) {
  ProgramFixture p;
  p.Start();
  const auto& main = p.main();
  EXPECT_EQ(main.HitTestTargetButton(4, 5), 1);
  EXPECT_EQ(main.HitTestTargetButton(43, 44), 1);
  EXPECT_EQ(main.HitTestTargetButton(44, 5), 2);
  EXPECT_EQ(main.HitTestTargetButton(243, 20), 6);
  EXPECT_EQ(main.HitTestTargetButton(244, 20), 0);
  EXPECT_EQ(main.HitTestTargetButton(3, 20), 0);
  EXPECT_EQ(main.HitTestTargetButton(100, 45), 0);
  EXPECT_EQ(main.HitTestTargetButton(100, 4), 0);
}

TEST_F(DropTest, ExtendedModeAppendsTheExistingFilesInOrderAndSendsNothing) {
  Start(true);
  p.AddToList({"c"});
  main().AantalEdit.SetText("2");
  Drop({"b", "folder", "missing", "a"}, 10, kPanel3Top + 10);  // on the LPT1 button
  EXPECT_EQ(Files(), (std::vector<std::string>{"c", "b", "a"}));
  EXPECT_EQ(main().FileGrid.Cell(1, 2), "2");
  EXPECT_TRUE(p.fake.files.OpensOf("LPT1").empty());
}

TEST_F(DropTest, ANameThatCouldNotBeCarriedIsRefusedWithOneWarning) {
  Start(true);
  p.fake.files.AddFile("x?\xFF", "never");
  Drop({"a", "x?\xFF", "y?\xFF", "b"}, 10, 200);
  EXPECT_EQ(Files(), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(p.fake.boxes.Texts(), (std::vector<std::string>{base::kNameNotCarried}));
}

TEST_F(DropTest, SimpleModeOnATargetButtonSendsTheDroppedFilesAndEmptiesTheList) {
  Start(false);
  main().ControlStrings().Init(output::OutputTarget::Com1) = "[";
  main().ControlStrings().Exit(output::OutputTarget::Com1) = "]";
  p.AddToList({"c"});  // replaced by the drop
  bool busy = false;
  p.fake.pump.onProcess = [&](int) { busy |= !main().BitBtn4.Enabled(); };
  Drop({"a", "b"}, 130, kPanel3Top + 6);  // COM1
  EXPECT_EQ(p.fake.files.DeviceOutput("COM1"), "[<a>][<b>]");
  EXPECT_TRUE(busy);
  EXPECT_TRUE(Files().empty());
  EXPECT_TRUE(main().BitBtn4.Enabled());
  EXPECT_EQ(p.fake.cursor.Get(), base::Cursor::Default);

  Drop({"a"}, 210, kPanel3Top + 44);  // Win, at the buttons' last row
  ASSERT_EQ(p.fake.spooler.Jobs().size(), 1u);
  EXPECT_EQ(p.fake.spooler.Jobs()[0].printerName, "Q");
}

TEST_F(DropTest, SimpleModeOffTheButtonsOnlyReplacesTheHiddenList) {
  Start(false);
  p.AddToList({"c"});
  Drop({"a", "b"}, 44, kPanel3Top + 45);  // just below the buttons
  Drop({"b", "a"}, 300, 10);              // on the toolbar
  EXPECT_EQ(Files(), (std::vector<std::string>{"b", "a"}));
  for (const char* port : {"LPT1", "LPT2"}) EXPECT_TRUE(p.fake.files.OpensOf(port).empty());

  main().ExtendedButtonClick();  // the list shows what was dropped
  EXPECT_EQ(Files(), (std::vector<std::string>{"b", "a"}));
}

TEST_F(DropTest, SimpleModeDropOfOnlyMissingNamesStillEndsItsBusyState) {
  Start(false);
  Drop({"missing", "folder"}, 90, kPanel3Top + 20);  // LPT3
  EXPECT_TRUE(p.fake.files.OpensOf("LPT3").empty());
  EXPECT_TRUE(main().BitBtn3.Enabled());
}

TEST_F(DropTest, DuringARunASimpleModeDropIsRefusedAndAnExtendedOneAppends) {
  Start(false);
  std::vector<std::string> listAfterDrop;
  p.fake.pump.onProcess = [&](int call) {
    if (call != 1) return;
    Drop({"b"}, 10, kPanel3Top + 10);
    listAfterDrop = Files();
  };
  p.fake.openDialog.Choose({"a"});
  main().BitBtn1Click();
  EXPECT_EQ(p.fake.files.DeviceOutput("LPT1"), "<a>");  // no second run inside the first
  EXPECT_EQ(listAfterDrop, (std::vector<std::string>{"a"}));

  main().ExtendedButtonClick();
  p.AddToList({"a"});
  main().AantalEdit.SetText("2");  // two sets: the dropped file joins the second pass
  bool dropped = false;
  p.fake.pump.onProcess = [&](int) {
    if (!std::exchange(dropped, true)) Drop({"c"}, 0, 0);
  };
  main().BitBtn2Click();
  EXPECT_EQ(p.fake.files.DeviceOutput("LPT2"), "<a><a><c>");
  EXPECT_EQ(Files(), (std::vector<std::string>{"a", "c"}));
}

TEST_F(DropTest, NoDispatchOfASimpleModeRunLetsADropStartAnother) {
  // The user drops b onto LPT2 at every dispatch of a run, from its first
  // (before any copy) to its last: none may clear the list or start a run
  // inside the first. The dispatch after the run's busy state is the first
  // moment another run may start; the runs that drops start deliver no drops.
  Start(false);
  int delivered = 0;
  int refused = 0;
  bool delivering = false;
  p.fake.pump.onProcess = [&](int) {
    if (std::exchange(delivering, true)) return;
    const bool running = main().RunInProgress();
    Drop({"b"}, 50, kPanel3Top + 10);
    ++delivered;
    if (running) ++refused;
    delivering = false;
  };

  p.fake.openDialog.Choose({"a", "c"});
  main().BitBtn1Click();  // the command: open dialog, then the run
  EXPECT_EQ(p.fake.files.DeviceOutput("LPT1"), "<a><c>");
  EXPECT_EQ(p.fake.files.DeviceOutput("LPT2"), "<b>");  // from the dispatch after the run
  EXPECT_GE(refused, 5);  // before the copies, around each, and before the busy state ends
  EXPECT_EQ(delivered, refused + 1);

  Drop({"a", "c"}, 10, kPanel3Top + 10);
  EXPECT_EQ(p.fake.files.DeviceOutput("LPT1"), "<a><c><a><c>");
  EXPECT_EQ(p.fake.files.DeviceOutput("LPT2"), "<b><b>");
  EXPECT_EQ(delivered, refused + 2);
  EXPECT_TRUE(main().BitBtn1.Enabled());
  EXPECT_EQ(Files(), std::vector<std::string>{});
}

}  // namespace
}  // namespace morvane::testing
