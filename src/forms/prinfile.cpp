#include "forms/prinfile.h"

#include "forms/prinfile_texts.h"

namespace morvane::forms {
namespace {

constexpr int kExtendedClientWidth = 581;
constexpr int kExtendedClientHeight = 468;
constexpr int kSimpleClientWidth = 470;
constexpr int kSimpleClientHeight = 125;

constexpr int kToolbarHeight = 33;
constexpr int kTargetPanelHeight = 68;
constexpr int kExtendedPanelHeight = 98;
constexpr int kButtonBarHeight = 33;
constexpr int kGuideBarHeight = 24;
constexpr int kGridFrameWidth = 548;
constexpr int kGridFrameBorder = 10;
constexpr int kDownButtonPanelHeight = 36;
constexpr int kGridRowHeight = 18;

constexpr int kToolButtonSize = 25;
constexpr int kTargetButtonSize = 40;
constexpr int kTargetButtonTop = 5;
constexpr int kFirstTargetButtonLeft = 4;

// A batch run starts at the window's first activation. A window shown hidden,
// or minimized without activation, or in a session without a desktop, is
// never activated: the run starts this long after the window was shown.
constexpr int kBatchStartFallbackMilliseconds = 250;

// Keys the window does not use otherwise: F1 for help by the Windows
// convention, the next function keys for the toolbar's order.
constexpr ui::Shortcut kHelpKey{ui::kKeyF1, {}};
constexpr ui::Shortcut kSetupKey{ui::kKeyF2, {}};
constexpr ui::Shortcut kPrinterSetupKey{ui::kKeyF3, {}};
constexpr ui::Shortcut kInfoKey{ui::kKeyF1, {.ctrl = true}};
// Shown in the reorder buttons' tool tips; FormKeyDown handles them.
constexpr ui::Shortcut kRowUpKey{ui::kKeyUp, {.ctrl = true}};
constexpr ui::Shortcut kRowDownKey{ui::kKeyDown, {.ctrl = true}};

}  // namespace

TPrintfile1::TPrintfile1(platform::Platform& platform, base::Application& application,
                         platform::Msg& msg)
    : Form("Printfile1"),
      platform_(platform),
      application_(application),
      msg_(msg),
      runs_(platform, msg,
            RunWindow{.busyControls = BusyControls(),
                      .hintBar = Aanwijzingpanel,
                      .plannedCopies = [this] { return PlannedCopies(); },
                      .showGuideText = [this] { ShowGuideText(); },
                      .clearList = [this] { NewButtonClick(); },
                      .close = [this] { Close(); },
                      .handle = [this] { return Handle(); }}) {
  BuildComponents();
}

void TPrintfile1::BuildComponents() {
  using namespace texts;
  SetText(kMainCaption);
  SetBorder(ui::BorderStyle::Single);
  SetKeyPreview(true);
  OnKeyDown = [this](int key, ui::ShiftState shift) { return FormKeyDown(key, shift); };

  Panel2.SetAlign(ui::Align::Top);
  Panel2.SetBounds(0, 0, kSimpleClientWidth, kToolbarHeight);
  Panel2.SetBevels(ui::Bevel::Raised, ui::Bevel::None);
  Panel2.OnMouseDown = [this](const ui::MouseDownEvent& event) { Panel2MouseDown(event); };
  struct Tool {
    ui::ToolButton& button;
    int left;
    const char* hint;
    ui::Picture picture;
  };
  for (const Tool& tool : {Tool{Cancel, 4, kCancelHint, ui::Picture::RedCross},
                           Tool{Setup, 38, kSetupHint, ui::Picture::Tools},
                           Tool{Printersetupbutton, 63, kPrinterSetupHint, ui::Picture::Printer},
                           Tool{HelpBook, 88, kHelpHint, ui::Picture::HelpBook},
                           Tool{Info, 113, kInfoHint, ui::Picture::InfoDisc}}) {
    tool.button.SetBounds(tool.left, 4, kToolButtonSize, kToolButtonSize);
    tool.button.SetHint(tool.hint);
    tool.button.SetPicture(tool.picture);
  }
  Bevel1.SetBounds(32, 4, 2, kToolButtonSize);
  Cancel.OnClick = [this] { CancelClick(); };
  Setup.OnClick = [this] { BitBtn7Click(); };
  Info.OnClick = [this] { BitBtn8Click(); };
  HelpBook.OnClick = [this] { Help1Click(); };
  Printersetupbutton.OnClick = [this] { PrintersetupbuttonClick(); };
  // The toolbar's commands from the keyboard: the system menu and these keys.
  Setup.SetShortcut(kSetupKey);
  Printersetupbutton.SetShortcut(kPrinterSetupKey);
  HelpBook.SetShortcut(kHelpKey);
  Info.SetShortcut(kInfoKey);
  for (ui::ToolButton* command : {&Setup, &Printersetupbutton, &HelpBook, &Info}) {
    AddMenuCommand(*command);
  }

  Panel3.SetAlign(ui::Align::Top);
  Panel3.SetBounds(0, kToolbarHeight, kSimpleClientWidth, kTargetPanelHeight);
  Panel3.SetTabOrder(1);
  Panel3.OnMouseDown = [this](const ui::MouseDownEvent& event) { Panel3MouseDown(event); };
  struct Target {
    ui::Button& button;
    const char* caption;
    const char* hint;
    ui::Picture picture;
  };
  int left = kFirstTargetButtonLeft;
  int tabOrder = 0;
  for (const Target& target :
       {Target{BitBtn1, kLpt1Caption, kLpt1Hint, ui::Picture::Printer},
        Target{BitBtn2, kLpt2Caption, kLpt2Hint, ui::Picture::Printer},
        Target{BitBtn3, kLpt3Caption, kLpt3Hint, ui::Picture::Printer},
        Target{BitBtn4, kCom1Caption, kCom1Hint, ui::Picture::SheetArrowRight},
        Target{BitBtn5, kCom2Caption, kCom2Hint, ui::Picture::SheetArrowRight},
        Target{BitBtn6, kWinCaption, kWinHint, ui::Picture::Printer}}) {
    target.button.SetBounds(left, kTargetButtonTop, kTargetButtonSize, kTargetButtonSize);
    target.button.SetText(target.caption);
    target.button.SetHint(target.hint);
    target.button.SetPicture(target.picture);
    target.button.SetPictureLayout(ui::PictureLayout::Top);
    target.button.SetTabOrder(tabOrder++);
    left += kTargetButtonSize;
  }
  BitBtn1.OnClick = [this] { BitBtn1Click(); };
  BitBtn2.OnClick = [this] { BitBtn2Click(); };
  BitBtn3.OnClick = [this] { BitBtn3Click(); };
  BitBtn4.OnClick = [this] { BitBtn4Click(); };
  BitBtn5.OnClick = [this] { BitBtn5Click(); };
  BitBtn6.OnClick = [this] { BitBtn6Click(); };
  ExtendedButton.SetBounds(4, 48, 40, 17);
  ExtendedButton.SetTabOrder(tabOrder++);
  ExtendedButton.OnClick = [this] { ExtendedButtonClick(); };
  Label2.SetBounds(248, 6, 80, 13);
  Label2.SetText(kPrinterLabel);
  PrintersComboBox.SetBounds(248, 24, 217, 21);
  PrintersComboBox.SetTabOrder(tabOrder++);
  PrintersComboBox.SetAccessibleName(kPrinterLabel);

  ExtendedPanel.SetAlign(ui::Align::Top);
  ExtendedPanel.SetBounds(0, 101, kExtendedClientWidth, kExtendedPanelHeight);
  ExtendedPanel.SetTabOrder(2);
  AantallenGroupBox.SetBounds(8, 6, 229, 85);
  AantallenGroupBox.SetText(kCountsGroup);
  Label1.SetBounds(8, 18, 76, 13);
  Label1.SetText(kCountLabel);
  AantalEdit.SetBounds(88, 14, 121, 22);
  AantalEdit.SetTabOrder(0);
  AantalEdit.SetAccessibleName(kCountLabel);
  AantalEdit.OnChange = [this] { AantalEditChange(); };
  VraagAantalCheckBox.SetBounds(10, 42, 215, 17);
  VraagAantalCheckBox.SetTabOrder(1);
  VraagAantalCheckBox.SetText(kPerFileCounts);
  VraagAantalCheckBox.OnClick = [this] { VraagAantalCheckBoxClick(); };
  SetsCheckBox.SetBounds(10, 62, 97, 17);
  SetsCheckBox.SetTabOrder(2);
  SetsCheckBox.SetText(kMakeSets);
  SetsCheckBox.SetChecked(true);

  LijstPanel.SetAlign(ui::Align::Client);
  LijstPanel.SetTabOrder(3);
  Panel5.SetAlign(ui::Align::Left);
  Panel5.SetBounds(0, 0, kGridFrameWidth, 0);
  Panel5.SetBevels(ui::Bevel::None, ui::Bevel::None);
  Panel5.SetBorderWidth(kGridFrameBorder);
  FileGrid.SetAlign(ui::Align::Client);
  FileGrid.SetFixedRows(1);
  FileGrid.SetDefaultRowHeight(kGridRowHeight);
  FileGrid.OnClick = [this] { FileGridClick(); };
  FileGrid.SetAccessibleName(kJobListName);
  Panel6.SetAlign(ui::Align::Client);
  Panel6.SetBevels(ui::Bevel::None, ui::Bevel::None);
  Panel6.SetBorderWidth(1);
  RegelUpButton.SetBounds(8, 14, 19, 22);
  RegelUpButton.SetHint(kRowUpHint);
  RegelUpButton.SetPicture(ui::Picture::ArrowUp);
  RegelUpButton.OnClick = [this] { RegelUpButtonClick(); };
  RegelUpButton.SetShortcut(kRowUpKey);
  Panel1.SetAlign(ui::Align::Bottom);
  Panel1.SetBounds(0, 0, 0, kDownButtonPanelHeight);
  Panel1.SetBevels(ui::Bevel::None, ui::Bevel::None);
  RegelDownButton.SetBounds(4, 4, 23, 22);
  RegelDownButton.SetHint(kRowDownHint);
  RegelDownButton.SetPicture(ui::Picture::ArrowDown);
  RegelDownButton.OnClick = [this] { RegelDownButtonClick(); };
  RegelDownButton.SetShortcut(kRowDownKey);

  Knoppenpanel.SetAlign(ui::Align::Bottom);
  Knoppenpanel.SetBounds(0, 0, kExtendedClientWidth, kButtonBarHeight);
  Knoppenpanel.SetTabOrder(0);
  Knoppenpanel.OnMouseDown = [this](const ui::MouseDownEvent& event) {
    KnoppenpanelMouseDown(event);
  };
  NewButton.SetBounds(4, 4, 94, 25);
  NewButton.SetText(kNewListCaption);
  NewButton.SetHint(kNewListHint);
  NewButton.SetPicture(ui::Picture::NewSheet);
  NewButton.SetTabOrder(0);
  NewButton.OnClick = [this] { NewButtonClick(); };
  OpenButton.SetBounds(102, 4, 94, 25);
  OpenButton.SetText(kOpenCaption);
  OpenButton.SetHint(kOpenHint);
  OpenButton.SetPicture(ui::Picture::OpenFolder);
  OpenButton.SetTabOrder(1);
  OpenButton.OnClick = [this] { OpenButtonClick(); };

  Aanwijzingpanel.SetAlign(ui::Align::Bottom);
  Aanwijzingpanel.SetBounds(0, 0, kExtendedClientWidth, kGuideBarHeight);
  Aanwijzingpanel.SetAlignment(ui::TextAlignment::Left);
  Aanwijzingpanel.SetAccessibleRole(ui::AccessibleRole::StatusBar);
  Aanwijzingpanel.OnMouseDown = [this](const ui::MouseDownEvent& event) {
    KnoppenpanelMouseDown(event);
  };

  OnShow = [this] { FormShow(); };
  OnActivate = [this] { FormActivate(); };
  OnCloseQuery = [this] { return FormCloseQuery(); };
  OnClose = nullptr;
  OnDestroy = [this] { FormDestroy(); };
  OnDropFiles = [this](const ui::DroppedFiles& drop) { WMDropFiles(drop); };
  OnQueryEndSession = [this] { return FormQueryEndSession(); };
  OnEndSession = [this](bool ending) { FormEndSession(ending); };

  batchStartTimer_.SetEnabled(false);
  batchStartTimer_.SetInterval(kBatchStartFallbackMilliseconds);
  batchStartTimer_.OnTimer = [this] { StartBatch(); };
  AddTimer(batchStartTimer_);
}

void TPrintfile1::ApplyLayout() {
  using namespace texts;
  if (FExtendedMode) {
    SetClientHeight(kExtendedClientHeight);
    SetClientWidth(kExtendedClientWidth);
    Knoppenpanel.SetVisible(true);
    LijstPanel.SetVisible(true);
    ExtendedPanel.SetVisible(true);
  } else {
    ExtendedPanel.SetVisible(false);
    LijstPanel.SetVisible(false);
    Knoppenpanel.SetVisible(false);
    SetClientHeight(kSimpleClientHeight);
    SetClientWidth(kSimpleClientWidth);
  }
  Realign();
  ExtendedButton.SetText(FExtendedMode ? kExtendedCaption : kSimpleCaption);
  ExtendedButton.SetHint(FExtendedMode ? kExtendedHint : kSimpleHint);
  ShowGuideText();
}

void TPrintfile1::ExtendedButtonClick() {
  platform_.shell.DragAcceptFiles(Handle(), false);
  FExtendedMode = !FExtendedMode;
  ApplyLayout();
  CenterOnScreen();
  Show();
}

void TPrintfile1::KnoppenpanelMouseDown(const ui::MouseDownEvent& event) {
  if (event.button == ui::MouseDownEvent::Button::Left) BeginMoveByMouse();
}

void TPrintfile1::Panel2MouseDown(const ui::MouseDownEvent& event) { KnoppenpanelMouseDown(event); }

void TPrintfile1::Panel3MouseDown(const ui::MouseDownEvent& event) { KnoppenpanelMouseDown(event); }

bool TPrintfile1::FormKeyDown(int key, ui::ShiftState shift) {
  if (key == ui::kKeyEscape && runs_.InProgress()) {
    runs_.AskToStop();
    return true;
  }
  if (!FExtendedMode || !shift.ctrl) return false;
  if (key == ui::kKeyUp) {
    FileGrid.SetFocus();
    RegelUpButtonClick();
    return true;
  }
  if (key == ui::kKeyDown) {
    FileGrid.SetFocus();
    RegelDownButtonClick();
    return true;
  }
  return false;
}

std::vector<ui::Control*> TPrintfile1::BusyControls() {
  return {&BitBtn1,          &BitBtn2,       &BitBtn3,
          &BitBtn4,          &BitBtn5,       &BitBtn6,
          &Cancel,           &Setup,         &Printersetupbutton,
          &HelpBook,         &Info,          &NewButton,
          &OpenButton,       &RegelUpButton, &RegelDownButton,
          &AantallenGroupBox};
}

void TPrintfile1::ShowGuideText() {
  if (runs_.ShowsProgress()) return;
  Aanwijzingpanel.SetText(FExtendedMode ? texts::kExtendedGuide : texts::kSimpleGuide);
}

}  // namespace morvane::forms
