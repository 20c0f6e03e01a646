#pragma once

#include <array>
#include <string>

#include "base/application.h"
#include "forms/info.h"
#include "forms/run_progress.h"
#include "forms/setup.h"
#include "help/help_session.h"
#include "output/control_strings.h"
#include "output/job_list.h"
#include "output/output_services.h"
#include "platform/msg.h"
#include "platform/platform.h"
#include "ui/bevel_line.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/spin_edit.h"
#include "ui/string_grid.h"

namespace morvane::forms {

inline constexpr char kMainCaption[] = "Uitvoer van bestand naar";

inline constexpr int kMinCount = 1;
inline constexpr int kMaxCount = 999999;
inline constexpr int kGridColumns = 2;
inline constexpr int kGridInitialRows = 2;
inline constexpr int kFileColumn = 0;
inline constexpr int kCountColumn = 1;

// The main window: every command starts here, and it owns all working state.
class TPrintfile1 : public ui::Form {
 public:
  TPrintfile1(platform::Platform& platform, base::Application& application, platform::Msg& msg);

  // Components, in the order of the form description.
  ui::Panel Panel2{this, "Panel2"};
  ui::ToolButton Cancel{&Panel2, "Cancel"};
  ui::BevelLine Bevel1{&Panel2, "Bevel1"};
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
  ui::SpinEdit AantalEdit{&AantallenGroupBox, "AantalEdit", kMinCount, kMaxCount};
  ui::CheckBox VraagAantalCheckBox{&AantallenGroupBox, "VraagAantalCheckBox"};
  ui::CheckBox SetsCheckBox{&AantallenGroupBox, "SetsCheckBox"};
  ui::Panel LijstPanel{this, "LijstPanel"};
  ui::Panel Panel5{&LijstPanel, "Panel5"};
  ui::StringGrid FileGrid{&Panel5, "FileGrid", kGridColumns, kGridInitialRows};
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
  bool FormCloseQuery();
  void CancelClick();
  void BitBtn1Click();
  void BitBtn2Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void BitBtn5Click();
  void BitBtn6Click();
  void BitBtn7Click();
  void BitBtn8Click();
  void OpenButtonClick();
  bool AddFilesFromDialog();
  void NewButtonClick();
  void AantalEditChange();
  void VraagAantalCheckBoxClick();
  void FileGridClick();
  bool FormKeyDown(int key, ui::ShiftState shift);
  void KnoppenpanelMouseDown(const ui::MouseDownEvent& event);
  void Panel2MouseDown(const ui::MouseDownEvent& event);
  void Panel3MouseDown(const ui::MouseDownEvent& event);
  void WMDropFiles(const ui::DroppedFiles& drop);
  // The target button (1 to 6) at a point relative to Panel3, 0 for none.
  int HitTestTargetButton(int x, int y) const;
  void RegelUpButtonClick();
  void RegelDownButtonClick();
  void ExtendedButtonClick();
  void PrintersetupbuttonClick();
  void Help1Click();

  // The help layer, once it has started.
  void AttachHelp(help::HelpSession& help) { help_ = &help; }

  // The other two windows, once they exist.
  void AttachDialogs(TSetupdialog1& setup, Tinfobox& info) {
    setupdialog1_ = &setup;
    infobox_ = &info;
  }

  void EnterBusyState();
  void LeaveBusyState();
  void ApplyLayout();
  // The hint bar's guide text of the mode, unless a run shows its progress.
  void ShowGuideText();
  bool SendFileToPrinter(const std::string& path, const std::string& printerName);
  void SendFileToDevice(const std::string& sourcePath, const std::string& deviceName);

  // The job list.
  void AppendToJobList(const std::string& path);
  // Makes a device target's INIT and EXIT the active pair of the next run.
  void SelectActivePair(output::OutputTarget target);
  void RunDeviceJob(const std::string& deviceName);
  void RunPrinterJob();
  // The count N of the count field, as a run reads it.
  int ReadCount() const;
  // A device or printer run is in progress.
  bool RunInProgress() const { return FRunInProgress; }

  // State a test or a caller may look at.
  bool ExtendedMode() const { return FExtendedMode; }
  // After a batch run: the number of named files not delivered whole, at
  // most 255; 0 when every one was.
  int BatchExitStatus() const { return batchExitStatus_; }
  bool SettingsChanged() const { return FSettingsChanged; }
  void MarkSettingsChanged() { FSettingsChanged = true; }
  // The twelve control strings in their canonical order.
  std::array<output::ControlString*, output::kControlStringCount> ControlStrings();
  // The sixteen controls that the busy state disables, in their order.
  std::array<ui::Control*, 16> BusyControls();

 private:
  class GridJobList;
  class RunScope;

  // The busy state of a run for the length of a scope: the run counts as in
  // progress from its first dispatch to its last, so that nothing handled in
  // between can start a second one; left whatever the scope meets.
  class BusyScope {
   public:
    explicit BusyScope(TPrintfile1& form) : form_(form), wasRunning_(form.FRunInProgress) {
      form_.FRunInProgress = true;
      form_.EnterBusyState();
    }
    ~BusyScope() {
      form_.LeaveBusyState();
      form_.FRunInProgress = wasRunning_;
      if (!wasRunning_) form_.RunEnded();
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    TPrintfile1& form_;
    bool wasRunning_;
  };

  void BuildComponents();
  void RunJobList(const output::SendCopy& sendCopy);
  // When a run that a target button or a drop starts empties the job list.
  enum class ListClearing { None, BeforeBusyEnds, AfterRun };
  struct RunFraming {
    // The hourglass around the busy state, and the cursor found put back.
    bool hourGlass;
    ListClearing clearing;
    // Pending messages handled once the busy state has begun and once it has ended.
    bool dispatchAround;
  };
  static const RunFraming kExtendedCommandRun;
  static const RunFraming kSimpleDeviceCommandRun;
  static const RunFraming kSimplePrinterCommandRun;
  static const RunFraming kSimpleDropRun;

  // Every run of the job list to a target starts here.
  void StartRun(output::OutputTarget target, const RunFraming& framing);
  // A target button: in simple mode it asks for the files first.
  void TargetCommand(output::OutputTarget target);
  void RunBatch();
  // Carries out a close that was asked for during the run that just ended.
  void RunEnded();
  output::OutputServices Services();

  platform::Platform& platform_;
  base::Application& application_;
  platform::Msg& msg_;

  bool FExtendedMode = false;
  output::ControlString FLpt1Init, FLpt1Exit, FLpt2Init, FLpt2Exit, FLpt3Init, FLpt3Exit;
  output::ControlString FCom1Init, FCom1Exit, FCom2Init, FCom2Exit, FWinInit, FWinExit;
  output::ControlString FActiveInit, FActiveExit;
  bool FSettingsChanged = false;
  bool FRunInProgress = false;
  // The window was asked to close during a run; it closes when the run ends.
  bool closeAfterRun_ = false;
  // The hint bar's account of the run in progress, when one is shown.
  RunProgress* runProgress_ = nullptr;

  bool batchStarted_ = false;
  int batchExitStatus_ = 0;
  TSetupdialog1* setupdialog1_ = nullptr;
  help::HelpSession* help_ = nullptr;
  Tinfobox* infobox_ = nullptr;
};

}  // namespace morvane::forms
