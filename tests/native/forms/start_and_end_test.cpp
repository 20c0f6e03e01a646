#include <gtest/gtest.h>

#include <optional>

#include "forms/program_fixture.h"

namespace morvane::testing {
namespace {

std::string TwelveLines(const std::vector<std::string>& lines) {
  std::string file;
  for (std::size_t i = 0; i < 12; ++i) file += (i < lines.size() ? lines[i] : "") + "\r\n";
  return file;
}

TEST(ProgramStart, CreatesTheWindowsInOrderAndLoadsTheStoredState) {
  ProgramFixture p;
  p.fake.files.AddFile(kIniPath, TwelveLines({"L1i", "L1e", "", "", "", "", "", "", "", "", "\033E",
                                              "\x1b%-12345X"}));
  p.fake.spooler.AddPrinter("A");
  p.fake.spooler.AddPrinter("B");
  p.fake.spooler.AddPrinter("C");
  p.fake.printerSetup.SetCurrentDevice("B");
  p.StoreRegistry("EXTENDEDMODE", "ON");
  p.Start();

  EXPECT_EQ(p.windows.Title(), "Uitvoer van bestanden");
  EXPECT_EQ(p.windows.Realized(),
            (std::vector<std::string>{"Printfile1", "infobox", "Setupdialog1"}));
  auto& main = p.main();
  EXPECT_EQ(main.Text(), "Uitvoer van bestand naar");
  EXPECT_EQ(main.ControlStrings().Init(output::OutputTarget::Lpt1), "L1i");
  EXPECT_EQ(main.ControlStrings().Exit(output::OutputTarget::Lpt1), "L1e");
  EXPECT_EQ(main.ControlStrings().Init(output::OutputTarget::Win), "\033E");
  EXPECT_EQ(main.ControlStrings().Exit(output::OutputTarget::Win), "\x1b%-12345X");
  EXPECT_FALSE(main.SettingsChanged());
  // The selector lists the printers in the reverse of the platform's order and
  // starts on the current printer, since no last printer is stored.
  EXPECT_EQ(main.PrintersComboBox.Items(), (std::vector<std::string>{"C", "B", "A"}));
  EXPECT_EQ(main.PrintersComboBox.Text(), "B");
  EXPECT_TRUE(main.ExtendedMode());
  EXPECT_EQ(main.ClientWidth(), 581);
  EXPECT_EQ(main.ClientHeight(), 468);
  EXPECT_EQ(main.ExtendedButton.Text(), "<<");
}

TEST(ProgramStart, StoredLastPrinterWinsAndNoPrinterAtAllStillStarts) {
  ProgramFixture stored;
  stored.fake.printerSetup.SetCurrentDevice("Standaard");
  stored.StoreRegistry("LASTPRINTER", "Gone Printer");
  stored.Start();
  EXPECT_EQ(stored.main().PrintersComboBox.Text(), "Gone Printer");
  EXPECT_FALSE(stored.main().ExtendedMode());
  EXPECT_EQ(stored.main().ClientWidth(), 470);
  EXPECT_EQ(stored.main().ClientHeight(), 125);

  ProgramFixture none;
  none.fake.printerSetup.SetCurrentDevice(std::nullopt);
  none.Start();
  EXPECT_EQ(none.main().PrintersComboBox.Text(), "");
  EXPECT_TRUE(none.main().PrintersComboBox.Items().empty());
  EXPECT_TRUE(none.main().Visible() == false);
}

TEST(ProgramEnd, WritesTheRegistryAlwaysAndTheControlFileOnlyAfterAnEdit) {
  ProgramFixture p;
  p.fake.files.AddFile(kCfgPath, TwelveLines({"cfg"}));
  p.fake.printerSetup.SetCurrentDevice("Laser");
  p.Start();
  p.ShowAndActivate();
  p.main().PrintersComboBox.SetText("Etiketten");
  p.Finish();

  EXPECT_EQ(p.StoredRegistry("EXTENDEDMODE"), std::string("OFF\0", 4));
  EXPECT_EQ(p.StoredRegistry("LASTPRINTER"), std::string("Etiketten\0", 10));
  EXPECT_FALSE(p.fake.files.HasFile(kIniPath));
  EXPECT_EQ(p.fake.files.Contents(kCfgPath), TwelveLines({"cfg"}));

  ProgramFixture edited;
  edited.fake.files.AddFile(kCfgPath, TwelveLines({"cfg"}));
  edited.Start();
  edited.ShowAndActivate();
  edited.main().ControlStrings().Exit(output::OutputTarget::Lpt2) = "new";
  edited.main().MarkSettingsChanged();
  edited.Finish();
  EXPECT_EQ(edited.fake.files.Contents(kIniPath), TwelveLines({"cfg", "", "", "new"}));
  EXPECT_EQ(edited.fake.files.Contents(kCfgPath), TwelveLines({"cfg"}));
  EXPECT_TRUE(edited.fake.boxes.Shown().empty());
}

TEST(ProgramEnd, EditsThatCannotBeSavedAreReportedAndAFailedRegistryIsNot) {
  ProgramFixture p;
  p.fake.files.AddFile(kIniPath, TwelveLines({"old"}));
  p.fake.files.FailReplace();
  p.fake.registry.FailCreateKey(5);
  p.Start();
  p.ShowAndActivate();
  p.main().ControlStrings().Init(output::OutputTarget::Lpt1) = "new";
  p.main().MarkSettingsChanged();
  p.Finish();

  EXPECT_EQ(p.fake.files.Contents(kIniPath), TwelveLines({"old"}));
  ASSERT_EQ(p.fake.boxes.Shown().size(), 1u);
  EXPECT_EQ(p.fake.boxes.Shown()[0].caption, "Setup instellingen");
  EXPECT_EQ(p.fake.boxes.Shown()[0].text,
            "Fout bij opslaan van de instellingen in C:\\Morvane\\Morvane.ini! De gewijzigde "
            "stuurcodes zijn niet bewaard.");
}

TEST(ProgramEnd, ASessionEndWaitsOnlyDuringARunAndItsSaveIsNotRepeated) {
  ProgramFixture p;
  p.fake.files.AddFile("a.prn", "A");
  p.fake.spooler.AddPrinter("Laser");
  p.fake.printerSetup.SetCurrentDevice("Laser");
  p.Start();
  p.ShowAndActivate();
  std::optional<std::string> reasonInRun;
  p.fake.pump.onProcess = [&](int) {
    if (reasonInRun || !p.main().RunInProgress()) return;
    EXPECT_FALSE(p.main().OnQueryEndSession());
    reasonInRun = p.fake.shell.BlockReason();
  };
  p.fake.openDialog.Choose({"a.prn"});
  p.main().BitBtn6Click();
  EXPECT_EQ(reasonInRun, "Uitvoer bezig");
  EXPECT_FALSE(p.fake.shell.BlockReason());  // taken back at the run's end

  p.main().MarkSettingsChanged();
  EXPECT_TRUE(p.main().OnQueryEndSession());
  p.main().OnEndSession(true);
  p.Finish();
  EXPECT_EQ(p.fake.files.Replaces().size(), 1u);
}

TEST(ProgramLifecycle, DropsAreAcceptedFromShowingUntilDestruction) {
  ProgramFixture p;
  p.Start();
  EXPECT_TRUE(p.fake.shell.Calls().empty());
  p.ShowAndActivate();
  ASSERT_EQ(p.fake.shell.Calls().size(), 1u);
  EXPECT_TRUE(p.fake.shell.Calls()[0].accept);
  p.Finish();
  ASSERT_EQ(p.fake.shell.Calls().size(), 2u);
  EXPECT_FALSE(p.fake.shell.Calls()[1].accept);
}

TEST(BusyState, ARunDisablesTheSixteenCommandsAndItsEndEnablesThem) {
  ProgramFixture p;
  p.fake.files.AddDevice("LPT1");
  p.fake.files.AddFile("a", "<a>");
  p.StoreRegistry("EXTENDEDMODE", "ON");
  p.Start();
  auto& main = p.main();
  p.AddToList({"a"});
  const std::vector<ui::Control*> commands = {
      &main.BitBtn1,          &main.BitBtn2,       &main.BitBtn3,
      &main.BitBtn4,          &main.BitBtn5,       &main.BitBtn6,
      &main.Cancel,           &main.Setup,         &main.Printersetupbutton,
      &main.HelpBook,         &main.Info,          &main.NewButton,
      &main.OpenButton,       &main.RegelUpButton, &main.RegelDownButton,
      &main.AantallenGroupBox};

  main.SetsCheckBox.SetEnabled(false);
  int dispatches = 0;
  p.fake.pump.onProcess = [&](int) {
    ++dispatches;
    for (ui::Control* control : commands) EXPECT_FALSE(control->Enabled()) << control->Name();
    EXPECT_TRUE(main.ExtendedButton.Enabled());
    EXPECT_TRUE(main.PrintersComboBox.Enabled());
    EXPECT_TRUE(main.VraagAantalCheckBox.Enabled());  // blocked through its group only
    EXPECT_EQ(p.fake.cursor.Get(), base::Cursor::HourGlass);
  };
  main.BitBtn1Click();
  EXPECT_GT(dispatches, 0);

  for (ui::Control* control : commands) EXPECT_TRUE(control->Enabled()) << control->Name();
  EXPECT_FALSE(main.SetsCheckBox.Enabled());  // its own state survives
  EXPECT_EQ(p.fake.cursor.Get(), base::Cursor::Default);
}

TEST(PrinterSetupButton, SelectsTheFirstItemEqualAfterAsciiFolding) {
  ProgramFixture p;
  for (const char* name : {"Caf\xc9", "kantoor", "KANTOOR"}) p.fake.spooler.AddPrinter(name);
  p.fake.printerSetup.SetCurrentDevice("Other");
  p.Start();
  auto& combo = p.main().PrintersComboBox;
  ASSERT_EQ(combo.Items(), (std::vector<std::string>{"KANTOOR", "kantoor", "Caf\xc9"}));

  p.fake.printerSetup.SetDialogResult(false, "kantoor");
  p.main().PrintersetupbuttonClick();
  EXPECT_EQ(combo.Text(), "Other");

  p.fake.printerSetup.SetDialogResult(true, "Kantoor");
  p.main().PrintersetupbuttonClick();
  EXPECT_EQ(combo.Text(), "KANTOOR");
  EXPECT_EQ(combo.ItemIndex(), 0);

  // Only a to z fold: an accented capital matches nothing.
  p.fake.printerSetup.SetDialogResult(true, "caf\xe9");
  p.main().PrintersetupbuttonClick();
  EXPECT_EQ(combo.Text(), "KANTOOR");
}

}  // namespace
}  // namespace morvane::testing
