#pragma once

#include <array>
#include <string>

#include "app/application.h"
#include "app/msg.h"
#include "output/control_strings.h"
#include "output/output_services.h"
#include "platform/platform.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/panel.h"

namespace morvane::forms {

inline constexpr char kMainCaption[] = "Uitvoer van bestand naar";

// The main window: every command starts here, and it owns all working state.
class TPrintfile1 : public ui::Form {
 public:
  TPrintfile1(platform::Platform& platform, app::Application& application, app::Msg& msg);

  // Components, in the order of the form description.
  ui::Panel Panel2{this, "Panel2"};
  ui::ToolButton Cancel{&Panel2, "Cancel"};
  ui::ToolButton Setup{&Panel2, "Setup"};
  ui::ToolButton Printersetupbutton{&Panel2, "Printersetupbutton"};
  ui::ToolButton HelpBook{&Panel2, "HelpBook"};
  ui::ToolButton Info{&Panel2, "Info"};
  ui::Panel Panel3{this, "Panel3"};
  ui::Button BitBtn1{&Panel3, "BitBtn1"};
  ui::Button BitBtn2{&Panel3, "BitBtn2"};
  ui::Button BitBtn3{&Panel3, "BitBtn3"};
  ui::Button BitBtn4{&Panel3, "BitBtn4"};
  ui::Button BitBtn5{&Panel3, "BitBtn5"};
  ui::Button BitBtn6{&Panel3, "BitBtn6"};
  ui::Button ExtendedButton{&Panel3, "ExtendedButton"};
  ui::Label Label2{&Panel3, "Label2"};
  ui::ComboBox PrintersComboBox{&Panel3, "PrintersComboBox"};
  ui::Panel ExtendedPanel{this, "ExtendedPanel"};
  ui::GroupBox AantallenGroupBox{&ExtendedPanel, "AantallenGroupBox"};
  ui::Label Label1{&AantallenGroupBox, "Label1"};
  ui::CheckBox VraagAantalCheckBox{&AantallenGroupBox, "VraagAantalCheckBox"};
  ui::CheckBox SetsCheckBox{&AantallenGroupBox, "SetsCheckBox"};
  ui::Panel LijstPanel{this, "LijstPanel"};
  ui::Panel Panel5{&LijstPanel, "Panel5"};
  ui::Panel Panel6{&LijstPanel, "Panel6"};
  ui::ToolButton RegelUpButton{&Panel6, "RegelUpButton"};
  ui::Panel Panel1{&Panel6, "Panel1"};
  ui::ToolButton RegelDownButton{&Panel1, "RegelDownButton"};
  ui::Panel Knoppenpanel{this, "Knoppenpanel"};
  ui::Button NewButton{&Knoppenpanel, "NewButton"};
  ui::Button OpenButton{&Knoppenpanel, "OpenButton"};
  ui::Panel Aanwijzingpanel{this, "Aanwijzingpanel"};

  // Handlers.
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormDestroy();
  void CancelClick();
  void ExtendedButtonClick();
  void PrintersetupbuttonClick();

  void EnterBusyState();
  void LeaveBusyState();
  void ApplyLayout();
  void SendFileToPrinter(const std::string& path, const std::string& printerName);

  // State a test or a caller may look at.
  bool ExtendedMode() const { return FExtendedMode; }
  bool SettingsChanged() const { return FSettingsChanged; }
  void MarkSettingsChanged() { FSettingsChanged = true; }
  // The twelve control strings in their canonical order.
  std::array<output::ControlString*, output::kControlStringCount> ControlStrings();
  // The sixteen controls that the busy state disables, in their order.
  std::array<ui::Control*, 16> BusyControls();

 private:
  void BuildComponents();
  void RunBatch();
  output::OutputServices Services();

  platform::Platform& platform_;
  app::Application& application_;
  app::Msg& msg_;

  bool FExtendedMode = false;
  output::ControlString FLpt1Init, FLpt1Exit, FLpt2Init, FLpt2Exit, FLpt3Init, FLpt3Exit;
  output::ControlString FCom1Init, FCom1Exit, FCom2Init, FCom2Exit, FWinInit, FWinExit;
  output::ControlString FActiveInit, FActiveExit;
  bool FSettingsChanged = false;

  bool batchStarted_ = false;
};

}  // namespace morvane::forms
