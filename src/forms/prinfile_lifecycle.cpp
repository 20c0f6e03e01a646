#include <algorithm>

#include "base/ascii_text.h"
#include "base/command_line.h"
#include "base/name_text.h"
#include "forms/prinfile.h"
#include "forms/prinfile_texts.h"
#include "platform/hour_glass.h"
#include "settings/control_file.h"
#include "settings/printer_list.h"
#include "settings/registry_state.h"

namespace morvane::forms {
namespace {
constexpr int kFileColumnWidth = 473;
constexpr int kCountColumnWidth = 40;
constexpr int kMaxExitStatus = 255;
}  // namespace

void TPrintfile1::FormCreate() {
  FSettingsChanged = false;
  for (output::ControlString* text : ControlStrings()) text->clear();

  output::ControlStrings loaded;
  settings::LoadControlStrings(platform_.files, application_.programFolder, loaded);
  auto fields = ControlStrings();
  for (std::size_t i = 0; i < fields.size(); ++i) *fields[i] = loaded[i];

  for (const std::string& name : settings::ListPrinterItems(platform_.spooler, platform_.system)) {
    PrintersComboBox.AddItem(name);
  }
  std::string printerName = settings::InitialPrinterName(platform_.printerSetup);

  FExtendedMode = false;
  settings::ReadRegistryState(platform_.registry, FExtendedMode, printerName);
  ApplyLayout();
  PrintersComboBox.SetText(printerName);

  FileGrid.SetColWidth(kFileColumn, kFileColumnWidth);
  FileGrid.SetColWidth(kCountColumn, kCountColumnWidth);
  FileGrid.SetCell(kFileColumn, 0, texts::kFileHeader);
  FileGrid.SetCell(kCountColumn, 0, texts::kCountHeader);
}

void TPrintfile1::FormShow() { platform_.shell.DragAcceptFiles(Handle(), true); }

void TPrintfile1::FormActivate() {
  const auto& arguments = application_.arguments;
  if (arguments.empty()) return;
  if (base::FoldAsciiUpper(arguments.front()) != texts::kBatchSwitch) return;
  // The run ends by closing the window, so a later activation must not start it again.
  if (batchStarted_) return;
  batchStarted_ = true;
  RunBatch();
}

void TPrintfile1::RunBatch() {
  Minimize();
  {
    BusyScope busy(*this);
    platform_.pump.ProcessMessages();
    const auto& arguments = application_.arguments;
    int undelivered = 0;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
      platform_.pump.ProcessMessages();
      const std::string name = base::UnquoteBatchName(arguments[i]);
      const bool carried = !base::HoldsUncarriedCharacter(name);
      if (!carried) msg_.ShowWarning(base::kNameNotCarried, output::kOutputCaption);
      const bool delivered = carried && platform_.files.FileExists(name) &&
                             SendFileToPrinter(name, PrintersComboBox.Text());
      if (!delivered) ++undelivered;
    }
    batchExitStatus_ = std::min(undelivered, kMaxExitStatus);
  }
  platform_.pump.ProcessMessages();
  Close();
}

void TPrintfile1::FormDestroy() {
  platform_.shell.DragAcceptFiles(Handle(), false);
  // The mode and the last printer only spare the user a choice at the next
  // start: a registry that takes no values is no reason for a box at every end.
  static_cast<void>(
      settings::WriteRegistryState(platform_.registry, FExtendedMode, PrintersComboBox.Text()));
  if (!FSettingsChanged) return;
  output::ControlStrings current;
  auto fields = ControlStrings();
  for (std::size_t i = 0; i < fields.size(); ++i) current[i] = *fields[i];
  // Edited control strings are the user's work: their loss is reported.
  if (!settings::SaveControlStrings(platform_.files, application_.programFolder, current)) {
    msg_.ShowWarningStr(texts::kSettingsNotSavedPrefix + application_.programFolder +
                            settings::kControlFileName + texts::kSettingsNotSavedSuffix,
                        kSetupCaption);
  }
}

bool TPrintfile1::FormCloseQuery() {
  if (!FRunInProgress) return true;
  // Closing in the middle of a copy would leave a document or a port half
  // written; the run goes on to its end and the window closes then.
  closeAfterRun_ = true;
  if (runProgress_) runProgress_->NoteClosing();
  return false;
}

void TPrintfile1::RunEnded() {
  // A batch run closes the window itself once it is done.
  if (!closeAfterRun_ || batchStarted_) return;
  closeAfterRun_ = false;
  Close();
}

void TPrintfile1::CancelClick() { Close(); }

void TPrintfile1::EnterBusyState() {
  platform::HourGlass::Show(platform_.cursor);
  for (ui::Control* control : BusyControls()) control->SetEnabled(false);
}

void TPrintfile1::LeaveBusyState() {
  for (ui::Control* control : BusyControls()) control->SetEnabled(true);
  platform::HourGlass::ShowArrow(platform_.cursor);
}

}  // namespace morvane::forms
