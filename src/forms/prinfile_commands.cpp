#include "base/scope_exit.h"
#include "forms/prinfile.h"
#include "forms/prinfile_texts.h"

namespace morvane::forms {
namespace {

std::string UpToFirstZero(const std::string& text) { return std::string(text.c_str()); }

}  // namespace

bool TPrintfile1::AddFilesFromDialog() {
  std::vector<std::string> paths;
  const platform::OpenFileDialogOptions options{
      texts::kOpenDialogTitle,
      {{texts::kAllFilesFilter, texts::kAllFilesPattern},
       {texts::kPrinterFilesFilter, texts::kPrinterFilesPattern}}};
  if (!platform_.openDialog.Execute(Handle(), options, paths)) return false;
  for (const std::string& path : paths) AppendToJobList(path);
  return true;
}

void TPrintfile1::OpenButtonClick() { AddFilesFromDialog(); }

void TPrintfile1::DeviceTargetCommand(output::OutputTarget target) {
  const std::string deviceName = output::DeviceName(target);
  if (FExtendedMode) {
    const int savedCursor = platform_.cursor.Get();
    base::ScopeExit restoreCursor([&] { platform_.cursor.Set(savedCursor); });
    platform_.cursor.Set(platform::kCursorHourGlass);
    BusyScope busy(*this);
    SelectActivePair(target);
    RunDeviceJob(deviceName);
    return;
  }

  NewButtonClick();
  base::ScopeExit clearList([&] { NewButtonClick(); });
  if (!AddFilesFromDialog()) return;
  const int savedCursor = platform_.cursor.Get();
  base::ScopeExit restoreCursor([&] { platform_.cursor.Set(savedCursor); });
  platform_.cursor.Set(platform::kCursorHourGlass);
  {
    BusyScope busy(*this);
    platform_.pump.ProcessMessages();
    SelectActivePair(target);
    RunDeviceJob(deviceName);
  }
  platform_.pump.ProcessMessages();
}

void TPrintfile1::BitBtn1Click() { DeviceTargetCommand(output::OutputTarget::Lpt1); }
void TPrintfile1::BitBtn2Click() { DeviceTargetCommand(output::OutputTarget::Lpt2); }
void TPrintfile1::BitBtn3Click() { DeviceTargetCommand(output::OutputTarget::Lpt3); }
void TPrintfile1::BitBtn4Click() { DeviceTargetCommand(output::OutputTarget::Com1); }
void TPrintfile1::BitBtn5Click() { DeviceTargetCommand(output::OutputTarget::Com2); }

void TPrintfile1::BitBtn6Click() {
  if (FExtendedMode) {
    const int savedCursor = platform_.cursor.Get();
    base::ScopeExit restoreCursor([&] { platform_.cursor.Set(savedCursor); });
    platform_.cursor.Set(platform::kCursorHourGlass);
    BusyScope busy(*this);
    RunPrinterJob();
    return;
  }

  NewButtonClick();
  if (!AddFilesFromDialog()) return;
  const int savedCursor = platform_.cursor.Get();
  base::ScopeExit restoreCursor([&] { platform_.cursor.Set(savedCursor); });
  platform_.cursor.Set(platform::kCursorHourGlass);
  BusyScope busy(*this);
  // The list is emptied before the busy state ends, even when the run fails.
  base::ScopeExit clearList([&] { NewButtonClick(); });
  RunPrinterJob();
}

void TPrintfile1::BitBtn7Click() {
  if (!setupdialog1_) return;
  const auto fields = ControlStrings();
  const auto edits = setupdialog1_->Edits();
  // A field can't hold a zero byte, so it shows a string up to its first one.
  for (std::size_t i = 0; i < fields.size(); ++i) edits[i]->SetText(UpToFirstZero(*fields[i]));
  if (setupdialog1_->ShowModal() != ui::kModalResultOk) return;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    // A field left as it was shown keeps its whole string: printer commands
    // carry zero bytes, and changing one string must not cut the others.
    if (edits[i]->Text() != UpToFirstZero(*fields[i])) *fields[i] = edits[i]->Text();
  }
}

void TPrintfile1::Help1Click() {
  if (help_) help_->ShowProgramHelp(msg_, application_.programFolder);
}

void TPrintfile1::BitBtn8Click() {
  if (infobox_) infobox_->ShowInfo();
}

}  // namespace morvane::forms
