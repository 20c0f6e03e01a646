#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/application.h"
#include "forms/info.h"
#include "forms/run_owner.h"
#include "forms/setup.h"
#include "help/help_session.h"
#include "output/control_strings.h"
#include "output/job_list.h"
#include "output/printer_output.h"
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
#include "ui/timer.h"

namespace morvane::forms {

class BatchSession;

inline constexpr char kMainCaption[] = "Uitvoer van bestand naar";

inline constexpr int kMinCount = 1;
inline constexpr int kMaxCount = 999999;
inline constexpr int kGridColumns = 2;
inline constexpr int kGridInitialRows = 2;
inline constexpr int kFileColumn = 0;
// A batch run's exit status counts the named files not delivered up to this.
inline constexpr int kMaxBatchExitStatus = 255;
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
  bool FormQueryEndSession();
  void FormEndSession(bool ending);
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

  // State a test or a caller may look at.
  bool ExtendedMode() const { return FExtendedMode; }
  // A device or printer run is in progress.
  bool RunInProgress() const { return runs_.InProgress(); }
  // After a batch run: the number of named files not delivered whole, at
  // most 255; 0 when every one was.
  int BatchExitStatus() const { return batchExitStatus_; }
  bool SettingsChanged() const { return FSettingsChanged; }
  void MarkSettingsChanged() { FSettingsChanged = true; }
  // The twelve control strings.
  output::ControlStrings& ControlStrings() { return FControlStrings; }

 private:
  class GridJobList;

  void BuildComponents();
  void ApplyLayout();
  // The hint bar's guide text of the mode, unless a run shows its progress.
  void ShowGuideText();
  // The sixteen controls that the busy state disables, in their order.
  std::vector<ui::Control*> BusyControls();

  // The job list.
  bool AddFilesFromDialog();
  void AppendToJobList(const std::string& path);
  // The count N of the count field, as a run reads it.
  int ReadCount() const;
  // How many copies a run of the list would send as it stands now.
  std::int64_t PlannedCopies();

  // Every run of the job list to a target starts here.
  void StartRun(output::OutputTarget target, RunKind kind);
  // A target button: in simple mode it asks for the files first.
  void TargetCommand(output::OutputTarget target);
  // Makes a device target's INIT and EXIT the active pair of the next run.
  void SelectActivePair(output::OutputTarget target);
  void RunDeviceJob(RunOwner::Run& run, const std::string& deviceName);
  void RunPrinterJob(RunOwner::Run& run);
  void RunJobList(const output::SendCopy& sendCopy);
  // Starts the batch run the command line asks for, once.
  void StartBatch();
  void RunBatch(const base::BatchCommand& command);
  bool QuietBatch() const { return application_.batch && application_.batch->quiet; }
  // The registry state, and the control strings when edited, as the program
  // leaves them; a failure to keep edits is reported when reportLoss is set.
  void SaveSettings(bool reportLoss);
  // The copies of a batch run; returns the number of named files not
  // delivered whole.
  int SendBatch(RunOwner::Run& run, const base::BatchCommand& command);
  // Opens the log of a batch run or a watch, finds its printer and says
  // whether it may send.
  void PrepareBatch(BatchSession& session);
  // Sends what arrives in the folder until the watch is stopped; returns the
  // number of files set aside for a person.
  int WatchFolder(RunOwner::Run& run, const base::BatchCommand& command);
  output::PrinterCopy SendFileToPrinter(RunOwner::Run& run, const std::string& path,
                                        const std::string& printerName);
  void SendFileToDevice(RunOwner::Run& run, const std::string& sourcePath,
                        const std::string& deviceName);

  platform::Platform& platform_;
  base::Application& application_;
  platform::Msg& msg_;

  bool FExtendedMode = false;
  output::ControlStrings FControlStrings;
  // The Windows printer's pair, which every printer copy is framed by.
  output::ControlString& FWinInit = FControlStrings.Init(output::OutputTarget::Win);
  output::ControlString& FWinExit = FControlStrings.Exit(output::OutputTarget::Win);
  output::ControlString FActiveInit, FActiveExit;
  bool FSettingsChanged = false;
  // A control file that exists but was not read whole: written now, it would
  // lose the strings not read, so it is left as it is in this run.
  std::string controlFileUnread_;
  RunOwner runs_;

  bool batchStarted_ = false;
  ui::Timer batchStartTimer_;
  // The settings have been saved for a session that ends.
  bool savedForSessionEnd_ = false;
  int batchExitStatus_ = 0;
  TSetupdialog1* setupdialog1_ = nullptr;
  help::HelpSession* help_ = nullptr;
  Tinfobox* infobox_ = nullptr;
};

}  // namespace morvane::forms
