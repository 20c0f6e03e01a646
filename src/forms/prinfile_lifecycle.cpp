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
  if (!settings::LoadControlStrings(platform_.files, application_.programFolder, FControlStrings,
                                    controlFileUnread_)) {
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

void TPrintfile1::FormShow() { platform_.shell.DragAcceptFiles(Handle(), true); }

void TPrintfile1::FormActivate() {
  if (!application_.batch) return;
  // The run ends by closing the window, so a later activation must not start it again.
  if (batchStarted_) return;
  batchStarted_ = true;
  RunBatch(*application_.batch);
}

void TPrintfile1::FormDestroy() {
  platform_.shell.DragAcceptFiles(Handle(), false);
  // The mode and the last printer only spare the user a choice at the next
  // start: a registry that takes no values is no reason for a box at every end.
  static_cast<void>(
      settings::WriteRegistryState(platform_.registry, FExtendedMode, PrintersComboBox.Text()));
  if (!FSettingsChanged) return;
  // Edited control strings are the user's work: their loss is reported.
  if (!controlFileUnread_.empty() ||
      !settings::SaveControlStrings(platform_.files, application_.programFolder, FControlStrings)) {
    msg_.ShowWarningStr(texts::kSettingsNotSavedPrefix + application_.programFolder +
                            settings::kControlFileName + texts::kSettingsNotSavedSuffix,
                        kSetupCaption);
  }
}

bool TPrintfile1::FormCloseQuery() { return runs_.MayClose(); }

void TPrintfile1::CancelClick() { Close(); }

}  // namespace morvane::forms
