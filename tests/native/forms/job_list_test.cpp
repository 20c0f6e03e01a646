#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "forms/program_fixture.h"

namespace morvane::testing {
namespace {

constexpr char kSimpleGuide[] = "Kies uitvoereenheid daarna bestand";

class MainJobListTest : public ::testing::Test {
 protected:
  MainJobListTest() {
    p.fake.files.AddDevice("LPT2");
    p.fake.files.AddDevice("COM1");
    p.fake.spooler.AddPrinter("P1");
    p.fake.spooler.AddPrinter("P2");
    p.Start();
  }
  forms::TPrintfile1& main() { return p.main(); }
  void AddFiles(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      p.fake.files.AddFile(name, std::string("<") + name + ">");
      p.AddToList({name});
    }
  }

  ProgramFixture p;
};

TEST_F(MainJobListTest, ClearingAndAppendingKeepTheTrailingEmptyRow) {
  auto& grid = main().FileGrid;
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.Cell(0, 0), "Bestand");
  EXPECT_EQ(grid.Cell(1, 0), "Aantal");
  EXPECT_EQ(grid.ColWidth(0), 473);
  EXPECT_EQ(grid.ColWidth(1), 40);

  main().AantalEdit.SetText("3");
  AddFiles({"a", "b", "c", "d", "e"});
  EXPECT_EQ(grid.RowCount(), 7);
  EXPECT_EQ(grid.Cell(0, 5), "e");
  EXPECT_EQ(grid.Cell(1, 5), "3");
  EXPECT_EQ(grid.Cell(0, 6), "");

  main().NewButtonClick();
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.Cell(0, 1), "");
  EXPECT_EQ(grid.Cell(1, 1), "");
  EXPECT_EQ(grid.Cell(0, 0), "Bestand");

  main().AantalEdit.SetText("x");  // not a number: counts as 1
  p.AddToList({"f"});
  EXPECT_EQ(grid.RowCount(), 3);
  EXPECT_EQ(grid.Cell(0, 1), "f");
  EXPECT_EQ(grid.Cell(1, 1), "1");
}

TEST_F(MainJobListTest, DeviceRunUsesTheActivePairAndRestoresTheCursor) {
  main().ExtendedButtonClick();
  main().ControlStrings().Init(output::OutputTarget::Lpt2) = "[lpt2]";  // LPT2 INIT
  main().ControlStrings().Exit(output::OutputTarget::Lpt2) = "[/lpt2]";
  main().ControlStrings().Init(output::OutputTarget::Com1) = "[com1]";
  AddFiles({"a", "b"});
  main().AantalEdit.SetText("2");
  p.fake.cursor.Set(base::Cursor::HandPoint);
  bool runningDuringRun = false;
  p.fake.pump.onProcess = [&](int) {
    runningDuringRun |= main().RunInProgress();
    if (!p.fake.files.DeviceOutput("COM1").empty()) {
      main().ControlStrings().Init(output::OutputTarget::Com1) =
          "changed later";  // the pair is a copy
    }
  };

  main().BitBtn2Click();
  main().BitBtn4Click();

  EXPECT_EQ(p.fake.files.DeviceOutput("LPT2"),
            "[lpt2]<a>[/lpt2][lpt2]<b>[/lpt2][lpt2]<a>[/lpt2][lpt2]<b>[/lpt2]");
  EXPECT_EQ(p.fake.files.DeviceOutput("COM1"), "[com1]<a>[com1]<b>[com1]<a>[com1]<b>");
  EXPECT_TRUE(runningDuringRun);
  // The clock stood still, so the only dispatches are the runner's: one
  // before and one after each of the eight copies.
  EXPECT_EQ(p.fake.pump.Calls(), 16);
  EXPECT_FALSE(main().RunInProgress());
  EXPECT_EQ(p.fake.cursor.Get(), base::Cursor::HandPoint);
  EXPECT_EQ(main().FileGrid.RowCount(), 4);  // a run leaves the list as it was
}

TEST_F(MainJobListTest, PrinterRunReadsThePrinterForEveryCopy) {
  main().ExtendedButtonClick();
  AddFiles({"a", "b"});
  main().SetsCheckBox.SetChecked(false);
  main().PrintersComboBox.SetText("P1");
  p.fake.pump.onProcess = [&](int) {
    if (p.fake.spooler.Jobs().size() == 1) main().PrintersComboBox.SetText("P2");
  };
  main().BitBtn6Click();
  ASSERT_EQ(p.fake.spooler.Jobs().size(), 2u);
  EXPECT_EQ(p.fake.spooler.Jobs()[0].printerName, "P1");
  EXPECT_EQ(p.fake.spooler.Jobs()[0].documentName, "a");
  EXPECT_EQ(p.fake.spooler.Jobs()[1].printerName, "P2");
}

TEST_F(MainJobListTest, PerFileCountsSwitchOffSetsAndBackGivesEveryRowTheCount) {
  AddFiles({"a", "b"});
  auto& perFile = main().VraagAantalCheckBox;
  auto& sets = main().SetsCheckBox;
  EXPECT_TRUE(sets.Checked());
  EXPECT_FALSE(perFile.Checked());

  perFile.Click();
  EXPECT_FALSE(sets.Checked());
  EXPECT_FALSE(sets.Enabled());
  EXPECT_TRUE(perFile.Checked());
  main().FileGrid.SetCell(1, 1, "5");
  main().FileGrid.SetCell(1, 2, "7");
  main().AantalEdit.SetText("4");  // per-file: only the selected row (row 1) takes it
  EXPECT_EQ(main().FileGrid.Cell(1, 1), "4");
  EXPECT_EQ(main().FileGrid.Cell(1, 2), "7");

  perFile.Click();
  EXPECT_TRUE(sets.Enabled());
  EXPECT_FALSE(sets.Checked());
  EXPECT_FALSE(perFile.Checked());
  EXPECT_EQ(main().FileGrid.Cell(1, 1), "4");
  EXPECT_EQ(main().FileGrid.Cell(1, 2), "4");
}

TEST_F(MainJobListTest, ARunEndedByAnErrorLeavesNoBusyStateCursorOrHeldCloseBehind) {
  AddFiles({"a"});
  main().Show();
  p.fake.cursor.Set(base::Cursor::Default);
  // The dispatch before the run, the one before the copy, the one after it.
  p.fake.pump.onProcess = [&](int call) {
    if (call == 1) main().Close();  // held back until the run ends
    if (call == 3) throw std::runtime_error("out of memory");
  };
  p.fake.openDialog.Choose({"a"});
  EXPECT_THROW(main().BitBtn2Click(), std::runtime_error);
  EXPECT_FALSE(main().RunInProgress());
  EXPECT_TRUE(main().BitBtn2.Enabled());
  EXPECT_EQ(p.fake.cursor.Get(), base::Cursor::Default);
  EXPECT_EQ(main().Aanwijzingpanel.Text(), kSimpleGuide);
  EXPECT_TRUE(main().Visible());

  // Nor does the close wait for the next run's end.
  p.fake.pump.onProcess = nullptr;
  p.fake.openDialog.Choose({"a"});
  main().BitBtn2Click();
  EXPECT_EQ(p.fake.files.DeviceOutput("LPT2"), "<a><a>");
  EXPECT_TRUE(main().Visible());
}

TEST_F(MainJobListTest, TheHintBarTellsWhichCopyOfWhichFileAndHowFarThenTheGuideAgain) {
  p.fake.files.AddFile("C:\\jobs\\a.prn", std::string(4096, 'a'));  // four blocks
  p.fake.files.AddFile("C:\\jobs\\b.prn", "b");
  main().AantalEdit.SetText("3");       // three sets: six copies
  p.fake.clock.stepPerReading = 50000;  // every block takes 50 ms
  std::vector<std::string> shown;
  p.fake.pump.onProcess = [&](int) {
    const std::string text = main().Aanwijzingpanel.Text();
    if (shown.empty() || shown.back() != text) shown.push_back(text);
  };

  p.fake.openDialog.Choose({"C:\\jobs\\a.prn", "C:\\jobs\\b.prn"});
  main().BitBtn2Click();

  ASSERT_GE(shown.size(), 4u);
  EXPECT_EQ(shown[0], kSimpleGuide);  // the dispatch before the first copy
  EXPECT_EQ(shown[1], "Bezig: kopie 1 van 6, a.prn, 25% (Esc: afbreken)");
  EXPECT_NE(
      std::find(shown.begin(), shown.end(), "Bezig: kopie 3 van 6, a.prn, 75% (Esc: afbreken)"),
      shown.end());
  EXPECT_EQ(shown[shown.size() - 2], "Bezig: kopie 6 van 6, b.prn, 100% (Esc: afbreken)");
  EXPECT_EQ(shown.back(), kSimpleGuide);  // the dispatch after the run
  EXPECT_EQ(main().Aanwijzingpanel.Text(), kSimpleGuide);

  // A run whose every copy fails gives the guide back all the same.
  p.fake.openDialog.Choose({"C:\\jobs\\a.prn", "C:\\jobs\\b.prn"});
  main().BitBtn3Click();
  EXPECT_EQ(p.fake.boxes.Texts().size(), 6u);
  EXPECT_EQ(main().Aanwijzingpanel.Text(), kSimpleGuide);
}

TEST_F(MainJobListTest, AskedToCloseDuringARunTheWindowClosesWhenTheRunHasEnded) {
  AddFiles({"a", "b"});
  main().Show();
  bool asked = false;
  bool stayedOpen = true;
  std::string hint;
  p.fake.pump.onProcess = [&](int) {
    if (!main().RunInProgress()) return;
    if (!std::exchange(asked, true)) {
      main().Close();  // the close box, or Alt+F4
      return;
    }
    stayedOpen &= main().Visible();
    hint = main().Aanwijzingpanel.Text();
  };
  p.fake.boxes.SetAnswer(platform::kButtonNo);  // not to stop the run
  p.fake.openDialog.Choose({"a", "b"});
  main().BitBtn2Click();

  ASSERT_EQ(p.fake.boxes.Shown().size(), 1u);
  EXPECT_EQ(p.fake.boxes.Shown()[0].text, "Uitvoer afbreken?");
  EXPECT_EQ(p.fake.boxes.Shown()[0].caption, "Bestand uitvoer");
  EXPECT_EQ(p.fake.boxes.Shown()[0].style, platform::kQuestionStyle);
  EXPECT_EQ(p.fake.files.DeviceOutput("LPT2"), "<a><b>");  // the run went on to its end
  EXPECT_TRUE(stayedOpen);
  EXPECT_EQ(hint, "Bezig: kopie 2 van 2, b, 0% (Esc: afbreken) (venster sluit na afloop)");
  EXPECT_FALSE(main().Visible());  // and then the window closed
}

TEST_F(MainJobListTest, EscOrTheCloseBoxAnsweredYesStopsTheRunAtOnce) {
  p.fake.files.AddDevice("LPT1");
  main().Show();
  main().ExtendedButtonClick();
  p.fake.files.AddFile("a", std::string(std::size_t{8} * 1024, 'a'));
  p.fake.files.AddFile("b", "b");
  p.AddToList({"a", "b"});
  p.fake.files.StallWritesAfter("LPT1", 2048, 1000);  // the port stops taking bytes
  p.fake.boxes.SetAnswer(platform::kButtonYes);
  int waits = 0;
  p.fake.pump.onProcess = [&](int) {
    // A message comes while the port keeps the third block waiting.
    if (main().RunInProgress() && p.fake.files.Opens().back().waits > 0 && ++waits == 3) {
      main().PressKey(ui::kKeyEscape, {});
    }
  };
  main().BitBtn1Click();

  // The copy was cut off where the port stopped, without EXIT, and no further
  // copy started; stopping is no failure to report.
  EXPECT_EQ(p.fake.files.DeviceOutput("LPT1"), std::string(2048, 'a'));
  EXPECT_EQ(p.fake.files.OpensOf("LPT1").size(), 1u);
  EXPECT_EQ(p.fake.boxes.Texts(), std::vector<std::string>{"Uitvoer afbreken?"});
  EXPECT_EQ(p.fake.files.OpenHandles(), 0);
  EXPECT_FALSE(main().RunInProgress());

  // The next run starts afresh; the close box stops it the same way, and the
  // window then closes.
  p.fake.pump.onProcess = [&](int) {
    const auto opens = p.fake.files.OpensOf("LPT1");
    if (opens.size() == 2 && opens.back().waits > 0) main().Close();
  };
  main().BitBtn1Click();
  EXPECT_EQ(p.fake.files.OpensOf("LPT1").size(), 2u);
  EXPECT_EQ(p.fake.boxes.Texts().size(), 2u);
  EXPECT_FALSE(main().Visible());
}

TEST_F(MainJobListTest, APortThatKeepsACancelledWriteIsClosedAndTheUserIsTold) {
  p.fake.files.AddDevice("LPT1");
  main().Show();
  main().ExtendedButtonClick();
  p.fake.files.AddFile("a", std::string(std::size_t{4} * 1024, 'a'));
  p.fake.files.AddFile("b", "b");
  p.AddToList({"a", "b"});
  p.fake.files.StallWritesAfter("LPT1", 1024, 1000);
  p.fake.files.AbandonCancelledWrites("LPT1");
  p.fake.boxes.SetAnswer(platform::kButtonYes);
  p.fake.pump.onProcess = [&](int) {
    if (main().RunInProgress() && p.fake.files.Opens().back().waits > 0) {
      main().PressKey(ui::kKeyEscape, {});
    }
  };
  main().BitBtn1Click();

  EXPECT_EQ(p.fake.boxes.Texts(),
            (std::vector<std::string>{"Uitvoer afbreken?",
                                      "De poort rondde de afgebroken uitvoer niet af en is "
                                      "gesloten!"}));
  EXPECT_EQ(p.fake.files.OpenHandles(), 0);
}

TEST_F(MainJobListTest, TheBoxOfAFailedCopyStopsTheRunWhileCopiesFollow) {
  // LPT3 is no device here: each copy fails to open it.
  main().ExtendedButtonClick();
  AddFiles({"a", "b"});
  main().AantalEdit.SetText("250");  // five hundred copies
  main().BitBtn3Click();
  ASSERT_EQ(p.fake.boxes.Shown().size(), 500u);
  EXPECT_EQ(p.fake.boxes.Shown()[0].style, platform::kStoppableWarningStyle);
  EXPECT_EQ(p.fake.boxes.Shown()[498].style, platform::kStoppableWarningStyle);
  EXPECT_EQ(p.fake.boxes.Shown()[499].style, platform::kWarningStyle);  // no copy follows

  // Cancel in the second box: the run ends there.
  p.fake.boxes.onShow = [&](const fakes::ShownBox&) {
    return p.fake.boxes.Shown().size() == 502 ? platform::kButtonCancel : platform::kButtonOk;
  };
  main().BitBtn3Click();
  EXPECT_EQ(p.fake.boxes.Shown().size(), 502u);
  EXPECT_FALSE(main().RunInProgress());
}

}  // namespace
}  // namespace morvane::testing

namespace morvane::testing {
namespace {

class ListEditingTest : public ::testing::Test {
 protected:
  ListEditingTest() {
    p.SetCommandLine("x");
    p.Start();
    for (const char* name : {"a", "b", "c"}) p.AddToList({name});
  }
  forms::TPrintfile1& main() { return p.main(); }
  std::vector<std::string> Files() {
    std::vector<std::string> files;
    for (int row = 1; row < main().FileGrid.RowCount() - 1; ++row) {
      files.push_back(main().FileGrid.Cell(0, row) + "/" + main().FileGrid.Cell(1, row));
    }
    return files;
  }
  ProgramFixture p;
};

TEST_F(ListEditingTest, MovingRowsUpAndDownStopsAtTheEnds) {
  auto& grid = main().FileGrid;
  main().FileGrid.SetCell(1, 3, "9");
  grid.SetRow(3);
  main().RegelUpButtonClick();
  EXPECT_EQ(Files(), (std::vector<std::string>{"a/1", "c/9", "b/1"}));
  EXPECT_EQ(grid.Row(), 2);
  main().RegelUpButtonClick();
  main().RegelUpButtonClick();  // at the top: nothing
  EXPECT_EQ(Files(), (std::vector<std::string>{"c/9", "a/1", "b/1"}));
  EXPECT_EQ(grid.Row(), 1);

  grid.SetRow(3);  // the last file does not go down
  main().RegelDownButtonClick();
  grid.SetRow(4);  // nor does the trailing empty row move either way
  main().RegelDownButtonClick();
  main().RegelUpButtonClick();
  EXPECT_EQ(Files(), (std::vector<std::string>{"c/9", "a/1", "b/1"}));
  EXPECT_EQ(grid.Cell(0, 4), "");

  grid.SetRow(1);
  main().RegelDownButtonClick();
  EXPECT_EQ(Files(), (std::vector<std::string>{"a/1", "c/9", "b/1"}));
  EXPECT_EQ(grid.Row(), 2);
}

TEST_F(ListEditingTest, PerFileCountsFollowTheSelectedRow) {
  auto& grid = main().FileGrid;
  main().VraagAantalCheckBox.Click();
  grid.SetCell(1, 1, "5");
  grid.SetCell(1, 2, "7");
  grid.RowChosenByUser(1);
  EXPECT_EQ(main().AantalEdit.Text(), "5");
  grid.RowChosenByUser(2);
  EXPECT_EQ(main().AantalEdit.Text(), "7");
  main().AantalEdit.SetText("3");
  EXPECT_EQ(grid.Cell(1, 2), "3");
  EXPECT_EQ(grid.Cell(1, 1), "5");

  // The trailing row has no count: the field shows 1 and writes it back there.
  grid.RowChosenByUser(4);
  EXPECT_EQ(main().AantalEdit.Text(), "1");
  EXPECT_EQ(grid.Cell(1, 4), "1");
  p.AddToList({"d"});  // the next file overwrites that row
  EXPECT_EQ(grid.Cell(0, 4), "d");

  // Shared counts: a click loads nothing.
  main().VraagAantalCheckBox.Click();
  main().AantalEdit.SetText("8");
  grid.RowChosenByUser(1);
  EXPECT_EQ(main().AantalEdit.Text(), "8");
  EXPECT_EQ(Files(), (std::vector<std::string>{"a/8", "b/8", "c/8", "d/8"}));
}

TEST_F(ListEditingTest, ACountTypedOutOfRangeIsCorrectedWhenTheFocusLeaves) {
  main().AantalEdit.TextChangedByUser("0");
  EXPECT_EQ(Files(), (std::vector<std::string>{"a/0", "b/0", "c/0"}));
  main().AantalEdit.FocusLost();
  EXPECT_EQ(main().AantalEdit.Text(), "1");
  EXPECT_EQ(Files(), (std::vector<std::string>{"a/1", "b/1", "c/1"}));
  main().AantalEdit.TextChangedByUser("1234567");
  main().AantalEdit.FocusLost();
  EXPECT_EQ(main().AantalEdit.Text(), "999999");
}

}  // namespace
}  // namespace morvane::testing
