#include <algorithm>

#include "forms/prinfile.h"
#include "forms/prinfile_texts.h"
#include "settings/control_file.h"
#include "settings/printer_list.h"
#include "settings/registry_state.h"

namespace morvane::forms {
namespace {
constexpr int kFileColumnWidth = 473;
constexpr int kCountColumnWidth = 40;
}  // namespace

void TPrintfile1::FormCreate() {
  FSettingsChanged = false;
  // A quiet run shows no box: it tries the file again before its copies, and
  // its log and exit status tell what came of it.
  if (!settings::LoadControlStrings(platform_.files, application_.programFolder, FControlStrings,
                                    controlFileUnread_) &&
      !QuietBatch()) {
    msg_.ShowWarningStr(
        texts::kSettingsUnreadPrefix + controlFileUnread_ + texts::kSettingsUnreadSuffix,
        kSetupCaption);
  }

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

void TPrintfile1::FormShow() {
  platform_.shell.DragAcceptFiles(Handle(), true);
  if (application_.batch && !batchStarted_) batchStartTimer_.SetEnabled(true);
}

void TPrintfile1::FormActivate() {
  if (application_.batch) StartBatch();
}

void TPrintfile1::StartBatch() {
  batchStartTimer_.SetEnabled(false);
  // The run ends by closing the window, so a later activation must not start it again.
  if (batchStarted_) return;
  batchStarted_ = true;
  RunBatch(*application_.batch);
}

void TPrintfile1::FormDestroy() {
  platform_.shell.DragAcceptFiles(Handle(), false);
  if (!savedForSessionEnd_) SaveSettings(true);
}

void TPrintfile1::SaveSettings(bool reportLoss) {
  // The mode and the last printer only spare the user a choice at the next
  // start: a registry that takes no values is no reason for a box at every end.
  static_cast<void>(
      settings::WriteRegistryState(platform_.registry, FExtendedMode, PrintersComboBox.Text()));
  if (!FSettingsChanged) return;
  // Edited control strings are the user's work: their loss is reported.
  if ((!controlFileUnread_.empty() ||
       !settings::SaveControlStrings(platform_.files, application_.programFolder,
                                     FControlStrings)) &&
      reportLoss) {
    msg_.ShowWarningStr(texts::kSettingsNotSavedPrefix + application_.programFolder +
                            settings::kControlFileName + texts::kSettingsNotSavedSuffix,
                        kSetupCaption);
  }
}

bool TPrintfile1::FormCloseQuery() {
  if (application_.batch && !batchStarted_) {
    // Closed before its run began: none of the named files was delivered.
    batchStarted_ = true;
    batchStartTimer_.SetEnabled(false);
    batchExitStatus_ = static_cast<int>(
        std::min<std::size_t>(application_.batch->files.size(), kMaxBatchExitStatus));
  }
  return runs_.MayClose();
}

bool TPrintfile1::FormQueryEndSession() { return runs_.MaySessionEnd(); }

void TPrintfile1::FormEndSession(bool ending) {
  runs_.SessionEnds(ending);
  runs_.SessionEndDecided();
  if (!ending) return;
  // The process may be ended any moment after this answer, without the
  // window's destruction: what it would save then is saved now. No one can
  // answer a box any more.
  SaveSettings(false);
  savedForSessionEnd_ = true;
}

void TPrintfile1::CancelClick() { Close(); }

}  // namespace morvane::forms
