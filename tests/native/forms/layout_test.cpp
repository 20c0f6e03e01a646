#include <gtest/gtest.h>

#include "forms/program_fixture.h"
#include "ui/tab_order.h"

namespace morvane::testing {
namespace {

struct Range {
  int top;
  int bottom;
};

Range YRange(const ui::Control& control) {
  const ui::Bounds& b = control.GetBounds();
  return {b.top, b.top + b.height};
}

void ExpectRange(const ui::Control& control, int top, int bottom) {
  const Range range = YRange(control);
  EXPECT_EQ(range.top, top) << control.Name();
  EXPECT_EQ(range.bottom, bottom) << control.Name();
}

class MainLayoutTest : public ::testing::Test {
 protected:
  void Start(bool extended) {
    if (extended) p.StoreRegistry("EXTENDEDMODE", "ON");
    p.SetCommandLine("x");
    p.Start();
    p.ShowAndActivate();
  }
  forms::TPrintfile1& main() { return p.main(); }

  void ExpectExtended() {
    EXPECT_TRUE(main().ExtendedMode());
    EXPECT_EQ(main().ClientWidth(), 581);
    EXPECT_EQ(main().ClientHeight(), 468);
    ExpectRange(main().Panel2, 0, 33);
    ExpectRange(main().Panel3, 33, 101);
    ExpectRange(main().ExtendedPanel, 101, 199);
    ExpectRange(main().LijstPanel, 199, 411);
    ExpectRange(main().Knoppenpanel, 411, 444);
    ExpectRange(main().Aanwijzingpanel, 444, 468);
    for (ui::Control* panel : {&main().ExtendedPanel, &main().LijstPanel, &main().Knoppenpanel}) {
      EXPECT_TRUE(panel->Visible()) << panel->Name();
    }
    EXPECT_EQ(main().ExtendedButton.Text(), "<<");
    EXPECT_EQ(main().ExtendedButton.Hint(), "Extra opties verbergen");
    EXPECT_EQ(main().Aanwijzingpanel.Text(), "Maak een lijst en kies daarna de uitvoereenheid");
    // Inside the list panel's bevel the grid frame is 548 wide on the left
    // and the reorder strip takes the rest; the grid fills its frame's border.
    EXPECT_EQ(main().Panel5.GetBounds(), (ui::Bounds{1, 1, 548, 210}));
    EXPECT_EQ(main().Panel6.GetBounds(), (ui::Bounds{549, 1, 31, 210}));
    EXPECT_EQ(main().FileGrid.GetBounds(), (ui::Bounds{10, 10, 528, 190}));
    EXPECT_EQ(main().Panel1.GetBounds(), (ui::Bounds{1, 173, 29, 36}));
  }

  void ExpectSimple() {
    EXPECT_FALSE(main().ExtendedMode());
    EXPECT_EQ(main().ClientWidth(), 470);
    EXPECT_EQ(main().ClientHeight(), 125);
    ExpectRange(main().Panel2, 0, 33);
    ExpectRange(main().Panel3, 33, 101);
    ExpectRange(main().Aanwijzingpanel, 101, 125);
    for (ui::Control* panel : {&main().ExtendedPanel, &main().LijstPanel, &main().Knoppenpanel}) {
      EXPECT_FALSE(panel->Visible()) << panel->Name();
    }
    EXPECT_EQ(main().ExtendedButton.Text(), ">>");
    EXPECT_EQ(main().ExtendedButton.Hint(), "Extra opties weergeven");
    EXPECT_EQ(main().Aanwijzingpanel.Text(), "Kies uitvoereenheid daarna bestand");
    // The six target buttons and the printer list fit the narrow window.
    EXPECT_EQ(main().BitBtn6.GetBounds(), (ui::Bounds{204, 5, 40, 40}));
    const ui::Bounds& printers = main().PrintersComboBox.GetBounds();
    EXPECT_EQ(printers.left + printers.width, 465);
  }

  ProgramFixture p;
};

TEST_F(MainLayoutTest, BothModesAfterAnyNumberOfSwitchesKeepingTheList) {
  Start(false);
  ExpectSimple();
  p.AddToList({"a"});
  for (int round = 0; round < 3; ++round) {
    main().ExtendedButtonClick();
    ExpectExtended();
    main().ExtendedButtonClick();
    ExpectSimple();
  }
  EXPECT_EQ(main().FileGrid.Cell(0, 1), "a");

  // Every switch stops drops for a moment and the new showing accepts them again.
  const auto& calls = p.fake.shell.Calls();
  ASSERT_GE(calls.size(), 2u);
  EXPECT_TRUE(calls.back().accept);
  EXPECT_FALSE(calls[calls.size() - 2].accept);
}

TEST_F(MainLayoutTest, StartingExtendedLooksLikeSwitchingToIt) {
  Start(true);
  ExpectExtended();
}

TEST_F(MainLayoutTest, ControlsCarryTheirTextsAndHints) {
  Start(false);
  EXPECT_EQ(main().BitBtn1.Hint(), "Uitvoer naar printerpoort lpt1 ");
  EXPECT_EQ(main().BitBtn4.Hint(), "Uitvoer naar seri\xC3\xABlepoort com1");
  EXPECT_EQ(main().BitBtn6.Text(), "Win");
  EXPECT_EQ(main().Label2.Text(), "Windows pinter:");
  EXPECT_EQ(main().Cancel.Hint(), "Afsluiten");
  EXPECT_EQ(main().Info.Hint(), "Programmainformatie");
  EXPECT_EQ(main().Label1.Text(), "Aantal kopie\xC3\xABn:");
  EXPECT_EQ(main().NewButton.Hint(), "Huidige lijst wissen en een nieuwe lijst beginnen");
  EXPECT_EQ(main().AantalEdit.Text(), "1");
  EXPECT_EQ(main().AantalEdit.MinValue(), 1);
  EXPECT_EQ(main().AantalEdit.MaxValue(), 999999);
  EXPECT_EQ(main().Bevel1.GetBounds(), (ui::Bounds{32, 4, 2, 25}));
  EXPECT_EQ(main().FileGrid.DefaultRowHeight(), 18);
}

TEST_F(MainLayoutTest, TabOrderRunsFromTheButtonBarToTheGrid) {
  Start(true);
  std::vector<std::string> order;
  std::function<void(const ui::Control&)> walk = [&](const ui::Control& parent) {
    for (ui::Control* child : ui::TabOrdered(parent)) {
      if (ui::TakesFocus(child->Kind())) order.push_back(child->Name());
      walk(*child);
    }
  };
  walk(main());
  EXPECT_EQ(order, (std::vector<std::string>{"NewButton", "OpenButton", "BitBtn1", "BitBtn2",
                                             "BitBtn3", "BitBtn4", "BitBtn5", "BitBtn6",
                                             "ExtendedButton", "PrintersComboBox", "AantalEdit",
                                             "VraagAantalCheckBox", "SetsCheckBox", "FileGrid"}));
}

TEST_F(MainLayoutTest, CtrlUpAndDownMoveTheSelectedFileInExtendedModeOnly) {
  Start(true);
  for (const char* name : {"a", "b", "c"}) p.AddToList({name});
  main().FileGrid.SetRow(1);
  main().AantalEdit.SetFocus();
  const ui::ShiftState ctrl{false, true, false};

  main().PressKey(ui::kKeyDown, ctrl);
  EXPECT_EQ(main().FileGrid.Cell(0, 2), "a");
  EXPECT_EQ(main().FileGrid.Row(), 2);
  EXPECT_EQ(main().ActiveControl(), &main().FileGrid);
  EXPECT_EQ(main().AantalEdit.Text(), "1");  // the key went nowhere else

  main().PressKey(ui::kKeyUp, ui::ShiftState{true, true, true});
  EXPECT_EQ(main().FileGrid.Cell(0, 1), "a");
  EXPECT_EQ(main().FileGrid.Row(), 1);

  // Without Ctrl the grid's own selection moves; nothing is swapped.
  main().PressKey(ui::kKeyDown, ui::ShiftState{});
  EXPECT_EQ(main().FileGrid.Cell(0, 1), "a");

  main().ExtendedButtonClick();  // simple mode: Ctrl+Down moves nothing
  main().FileGrid.SetRow(1);
  main().PressKey(ui::kKeyDown, ctrl);
  EXPECT_EQ(main().FileGrid.Cell(0, 1), "a");
}

}  // namespace
}  // namespace morvane::testing
