#include "forms/setup.h"

namespace morvane::forms {
namespace {

constexpr int kClientWidth = 435;
constexpr int kClientHeight = 145;
constexpr int kTabsPerRow = 5;
constexpr int kPanelHeight = 22;
constexpr char kInitLabel[] = "INIT";
constexpr char kExitLabel[] = "EXIT";

}  // namespace

TSetupdialog1::TSetupdialog1() : Form("Setupdialog1") {
  SetText(kSetupCaption);
  SetBorder(ui::BorderStyle::Dialog);
  SetMinimizeBox(false);
  SetClientWidth(kClientWidth);
  SetClientHeight(kClientHeight);

  TabbedNotebook1.SetBounds(0, 0, 351, 121);
  TabbedNotebook1.SetTabsPerRow(kTabsPerRow);
  TabbedNotebook1.SetTabOrder(0);

  for (std::size_t target = 0; target < output::kTargetCount; ++target) {
    const PageControls page = PageOf(static_cast<output::OutputTarget>(target));
    page.initLabel.SetBounds(10, 19, 30, 13);
    page.initLabel.SetText(kInitLabel);
    page.exitLabel.SetBounds(10, 50, 30, 13);
    page.exitLabel.SetText(kExitLabel);
    page.init.SetBounds(50, 15, 281, 21);
    page.init.SetTabOrder(0);
    page.exit.SetBounds(50, 45, 281, 21);
    page.exit.SetTabOrder(1);
    // Each field is read out after its page and its label: "LPT1 INIT".
    const std::string& pageCaption = page.init.Parent()->Text();
    page.init.SetAccessibleName(pageCaption + " " + kInitLabel);
    page.exit.SetAccessibleName(pageCaption + " " + kExitLabel);
  }
  for (const output::ControlStringKey& key : output::kControlStringKeys) {
    ui::Edit* edit = &EditOf(key);
    edit->OnChange = [this] { LPT1initChange(); };
    edit->OnDblClick = [this, edit] { LPT1initDblClick(*edit); };
  }

  Panel1.SetAlign(ui::Align::Bottom);
  Panel1.SetBounds(0, 0, kClientWidth, kPanelHeight);
  Panel1.SetText(kEscHint);
  Panel1.SetAlignment(ui::TextAlignment::Left);
  Panel1.SetBevels(ui::Bevel::Lowered, ui::Bevel::None);
  Panel1.SetTabOrder(1);
  OkButton.SetBounds(356, 22, 75, 25);
  OkButton.SetText(kConfirmCaption);
  OkButton.SetModalResult(ui::kModalResultOk);
  OkButton.SetTabOrder(2);
  CancelButton.SetBounds(356, 52, 75, 25);
  CancelButton.SetText(kCancelCaption);
  CancelButton.SetModalResult(ui::kModalResultCancel);
  CancelButton.SetTabOrder(3);
  Realign();
}

void TSetupdialog1::LPT1initDblClick(ui::Edit& sender) { sender.SetText(sender.Text() + kEscape); }

void TSetupdialog1::LPT1initChange() {
  if (onSettingsChanged) onSettingsChanged();
}

TSetupdialog1::PageControls TSetupdialog1::PageOf(output::OutputTarget target) {
  switch (target) {
    case output::OutputTarget::Lpt1:
      return {Label1, Label4, LPT1init, LPT1Exit};
    case output::OutputTarget::Lpt2:
      return {Label2, Label3, LPT2INIT, LPT2EXIT};
    case output::OutputTarget::Lpt3:
      return {Label5, Label6, LPT3INIT, LPT3EXIT};
    case output::OutputTarget::Com1:
      return {Label7, Label8, COM1INIT, COM1EXIT};
    case output::OutputTarget::Com2:
      return {Label9, Label10, COM2INIT, COM2EXIT};
    case output::OutputTarget::Win:
      break;
  }
  return {Label11, Label12, WinInit, WinExit};
}

ui::Edit& TSetupdialog1::EditOf(const output::ControlStringKey& key) {
  const PageControls page = PageOf(key.target);
  return key.end == output::ControlEnd::Init ? page.init : page.exit;
}

}  // namespace morvane::forms
