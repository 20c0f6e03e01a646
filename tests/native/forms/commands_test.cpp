#include <gtest/gtest.h>

#include "forms/program_fixture.h"

namespace morvane::testing {
namespace {

constexpr base::Cursor kSomeCursor = base::Cursor::HandPoint;

class CommandsTest : public ::testing::Test {
 protected:
  CommandsTest() {
    for (const char* port : {"LPT1", "LPT2", "LPT3", "COM1", "COM2"}) p.fake.files.AddDevice(port);
    p.fake.spooler.AddPrinter("Q");
    p.fake.printerSetup.SetCurrentDevice("Q");
    p.fake.files.AddFile("a", "<a>");
    p.fake.files.AddFile("b", "<b>");
  }
  void Start(bool extended) {
    if (extended) p.StoreRegistry("EXTENDEDMODE", "ON");
    p.SetCommandLine("x");  // no splash
    p.Start();
    p.ShowAndActivate();
    p.fake.cursor.Set(kSomeCursor);
    p.fake.pump.onProcess = [this](int) { busySeen |= !main().Cancel.Enabled(); };
  }
  forms::TPrintfile1& main() { return p.main(); }
  int FilesInList() { return main().FileGrid.RowCount() - 2; }
  void ExpectIdle() {
    EXPECT_TRUE(main().BitBtn1.Enabled());
    EXPECT_TRUE(main().AantallenGroupBox.Enabled());
    EXPECT_EQ(p.fake.cursor.Get(), kSomeCursor);
  }

  ProgramFixture p;
  bool busySeen = false;
};

TEST_F(CommandsTest, ExtendedModeSendsTheListToEveryTargetAndKeepsIt) {
  Start(true);
  main().ControlStrings().Init(output::OutputTarget::Lpt1) = "I1";
  main().ControlStrings().Exit(output::OutputTarget::Com1) = "E4";
  p.AddToList({"a"});
  p.AddToList({"b"});
  const int dialogs = p.fake.openDialog.Calls();
  main().BitBtn1.Click();
  main().BitBtn4.Click();
  main().BitBtn6.Click();

  EXPECT_EQ(p.fake.files.DeviceOutput("LPT1"), "I1<a>I1<b>");
  EXPECT_EQ(p.fake.files.DeviceOutput("COM1"), "<a>E4<b>E4");
  ASSERT_EQ(p.fake.spooler.Jobs().size(), 2u);
  EXPECT_EQ(p.fake.openDialog.Calls(), dialogs);
  EXPECT_EQ(FilesInList(), 2);
  EXPECT_TRUE(busySeen);
  ExpectIdle();
}

TEST_F(CommandsTest, ExtendedModeWithAnEmptyListEntersAndLeavesTheBusyState) {
  Start(true);
  main().BitBtn2.Click();
  EXPECT_TRUE(p.fake.files.OpensOf("LPT2").empty());
  auto history = p.fake.cursor.History();
  EXPECT_NE(std::find(history.begin(), history.end(), base::Cursor::HourGlass), history.end());
  ExpectIdle();
}

TEST_F(CommandsTest, SimpleModeAsksForFilesSendsThemAndEmptiesTheList) {
  Start(false);
  p.AddToList({"left over"});  // a simple-mode command starts afresh
  main().AantalEdit.SetText("2");
  main().SetsCheckBox.SetChecked(false);
  p.fake.openDialog.Choose({"a", "missing", "b"});
  main().BitBtn3.Click();

  EXPECT_EQ(p.fake.files.DeviceOutput("LPT3"), "<a><a><b><b>");
  EXPECT_TRUE(p.fake.boxes.Shown().empty());
  EXPECT_EQ(FilesInList(), 0);
  const auto& options = p.fake.openDialog.LastOptions();
  EXPECT_EQ(options.title, "Selecteer bestand");
  ASSERT_EQ(options.filters.size(), 2u);
  EXPECT_EQ(options.filters[0].description, "alle bestanden    *.*");
  EXPECT_EQ(options.filters[0].pattern, "*.*");
  EXPECT_EQ(options.filters[1].description, "printerbestanden *.PRN");
  EXPECT_EQ(options.filters[1].pattern, "*.PRN");
  EXPECT_TRUE(busySeen);
  ExpectIdle();
}

TEST_F(CommandsTest, SimpleModeCancelledDialogSendsNothingAndNeverGetsBusy) {
  Start(false);
  p.AddToList({"a"});
  main().BitBtn2.Click();
  main().BitBtn6.Click();
  EXPECT_TRUE(p.fake.files.OpensOf("LPT2").empty());
  EXPECT_TRUE(p.fake.spooler.OpenAttempts().empty());
  EXPECT_EQ(FilesInList(), 0);
  EXPECT_FALSE(busySeen);
  EXPECT_EQ(p.fake.cursor.History().back(), kSomeCursor);
}

TEST_F(CommandsTest, SimpleModeWinSendsTheChosenFilesToTheSelectedPrinter) {
  Start(false);
  p.fake.spooler.AddPrinter("Other");
  main().PrintersComboBox.SetText("Other");
  p.fake.openDialog.Choose({"a", "b"});
  main().BitBtn6.Click();
  ASSERT_EQ(p.fake.spooler.Jobs().size(), 2u);
  EXPECT_EQ(p.fake.spooler.Jobs()[0].printerName, "Other");
  EXPECT_EQ(p.fake.spooler.Jobs()[1].documentName, "b");
  EXPECT_EQ(FilesInList(), 0);
  ExpectIdle();
}

TEST_F(CommandsTest, ACommandAlwaysLeavesTheBusyStateAndEmptiesTheList) {
  Start(false);
  p.fake.openDialog.Choose({"a"});
  p.fake.pump.onProcess = [](int) { throw std::bad_alloc(); };
  EXPECT_THROW(main().BitBtn1.Click(), std::bad_alloc);
  EXPECT_EQ(FilesInList(), 0);
  ExpectIdle();
}

TEST_F(CommandsTest, SetupExchangeAndTheSettingsChangedFlag) {
  p.fake.files.AddFile(kIniPath, "one\r\n");
  Start(true);
  auto& setup = *p.program->Setupdialog1();
  EXPECT_FALSE(main().SettingsChanged());

  // A first opening with a non-empty string marks the strings as edited, even
  // when cancelled; the fields keep their values.
  setup.headlessModal = [](ui::Form&) { return ui::kModalResultCancel; };
  main().Setup.Click();
  EXPECT_TRUE(main().SettingsChanged());
  EXPECT_EQ(setup.LPT1init.Text(), "one");
  EXPECT_EQ(main().ControlStrings().Init(output::OutputTarget::Lpt1), "one");

  // Voltooien copies all twelve, pages never looked at included. A field
  // shows a string up to its first zero byte; left as shown, the string stays
  // whole, changed, it takes the field's text.
  main().ControlStrings().Exit(output::OutputTarget::Win) = std::string("ab\0cd", 5);
  main().ControlStrings().Init(output::OutputTarget::Win) = std::string(
      "\x1b"
      "C\0\x0b",
      4);
  setup.headlessModal = [](ui::Form& form) {
    auto& dialog = static_cast<forms::TSetupdialog1&>(form);
    EXPECT_EQ(dialog.WinExit.Text(), "ab");
    dialog.COM2INIT.SetText("typed");
    dialog.LPT1initDblClick(dialog.LPT2EXIT);
    dialog.LPT1initDblClick(dialog.WinInit);
    return ui::kModalResultOk;
  };
  main().Setup.Click();
  EXPECT_EQ(main().ControlStrings().Init(output::OutputTarget::Com2), "typed");
  EXPECT_EQ(main().ControlStrings().Exit(output::OutputTarget::Lpt2), "\x1b");
  EXPECT_EQ(main().ControlStrings().Exit(output::OutputTarget::Win), std::string("ab\0cd", 5));
  EXPECT_EQ(main().ControlStrings().Init(output::OutputTarget::Win),
            "\x1b"
            "C\x1b");
  EXPECT_EQ(main().ControlStrings().Init(output::OutputTarget::Lpt1), "one");
}

TEST_F(CommandsTest, OpeningWithAllStringsEmptyAndCancellingChangesNothing) {
  Start(true);
  auto& setup = *p.program->Setupdialog1();
  setup.headlessModal = [](ui::Form&) { return ui::kModalResultCancel; };
  main().Setup.Click();
  EXPECT_FALSE(main().SettingsChanged());

  // Typing and then cancelling leaves the strings but marks them edited.
  setup.headlessModal = [](ui::Form& form) {
    static_cast<forms::TSetupdialog1&>(form).WinInit.SetText("x");
    return ui::kModalResultCancel;
  };
  main().Setup.Click();
  EXPECT_TRUE(main().SettingsChanged());
  EXPECT_EQ(main().ControlStrings().Init(output::OutputTarget::Win), "");
}

TEST(SetupDialog, DoubleClickAppendsEscapeAtTheEnd) {
  forms::TSetupdialog1 dialog;
  int changes = 0;
  dialog.onSettingsChanged = [&] { ++changes; };
  dialog.LPT1init.DoubleClicked();
  dialog.LPT1init.DoubleClicked();
  EXPECT_EQ(dialog.LPT1init.Text(), "\x1b\x1b");
  dialog.COM1EXIT.SetText("abc");
  dialog.COM1EXIT.DoubleClicked();
  EXPECT_EQ(dialog.COM1EXIT.Text(), "abc\x1b");
  EXPECT_EQ(changes, 4);
  dialog.COM1EXIT.SetText("abc\x1b");  // the same text: no change
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(dialog.TabbedNotebook1.PageCount(), 6);
  EXPECT_EQ(dialog.OkButton.Text(), "Voltooien");
  EXPECT_EQ(dialog.CancelButton.Text(), "Annuleren");
}

TEST_F(CommandsTest, SplashOnAnEmptyCommandLineEndsByItsTimerOrByInfo) {
  p.Start();  // no arguments
  auto& info = *p.program->infobox();
  EXPECT_TRUE(info.Visible());
  EXPECT_TRUE(info.InSplash());
  EXPECT_FALSE(info.OkButton.Visible());
  EXPECT_EQ(info.Height(), 164);
  EXPECT_EQ(info.MainPanel.GetBounds().height, 162);

  // Info while the splash still shows: the splash ends first, then the box
  // shows modally with its Ok button.
  bool okVisibleInModal = false;
  info.headlessModal = [&](ui::Form&) {
    okVisibleInModal = info.OkButton.Visible();
    return ui::kModalResultOk;
  };
  p.main().Info.Click();
  EXPECT_TRUE(okVisibleInModal);
  EXPECT_FALSE(info.InSplash());
  EXPECT_EQ(info.Height(), 198);
  EXPECT_EQ(info.MainPanel.GetBounds().height, 196);
  info.Timer1.Fire();  // a disabled timer does nothing
  EXPECT_EQ(info.Height(), 198);

  ProgramFixture withArguments;
  withArguments.SetCommandLine("file.prn");
  withArguments.Start();
  EXPECT_FALSE(withArguments.program->infobox()->Visible());
  EXPECT_EQ(withArguments.program->infobox()->Height(), 196);
}

TEST(HyperLabel, TurnsBlueUnderTheMouseAndOpensItsLinkOnThePress) {
  fakes::FakeShell shell;
  ui::Form form("f");
  forms::THyperLabel label(&form, "l", shell, [] { return base::WindowHandle{9}; });
  EXPECT_EQ(label.Hyperlink, "http://");
  EXPECT_EQ(label.Cursor(), base::Cursor::HandPoint);
  ui::Font bold = label.GetFont();
  bold.bold = true;
  bold.color = ui::Color::Rgb(10, 20, 30);
  label.SetFont(bold);

  label.MouseEntered();
  EXPECT_EQ(label.GetFont().color, ui::Color::Rgb(0, 0, 255));
  EXPECT_TRUE(label.GetFont().underline);
  label.MouseLeft();
  EXPECT_EQ(label.GetFont().color, ui::Color::Rgb(10, 20, 30));
  EXPECT_FALSE(label.GetFont().underline);
  EXPECT_FALSE(label.GetFont().bold);  // the style is cleared, not restored

  label.LeftButtonDown();
  ASSERT_EQ(shell.Opened().size(), 1u);
  EXPECT_EQ(shell.Opened()[0].verb, "open");
  EXPECT_EQ(shell.Opened()[0].file, "http://");
  EXPECT_EQ(shell.Opened()[0].showCommand, 3);
  EXPECT_EQ(shell.Opened()[0].owner, 9);
}

}  // namespace
}  // namespace morvane::testing
