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

void TPrintfile1::StartRun(output::OutputTarget target, RunKind kind) {
  runs_.Perform(kind, [&](RunOwner::Run& run) {
    if (target == output::OutputTarget::Win) return RunPrinterJob(run);
    SelectActivePair(target);
    RunDeviceJob(run, output::DeviceName(target));
  });
}

void TPrintfile1::TargetCommand(output::OutputTarget target) {
  if (FExtendedMode) return StartRun(target, RunKind::ExtendedCommand);
  // The list holds only the files asked for now; a cancelled dialog leaves
  // it empty.
  NewButtonClick();
  if (!AddFilesFromDialog()) return;
  StartRun(target, target == output::OutputTarget::Win ? RunKind::SimplePrinterCommand
                                                       : RunKind::SimpleDeviceCommand);
}

void TPrintfile1::BitBtn1Click() { TargetCommand(output::OutputTarget::Lpt1); }
void TPrintfile1::BitBtn2Click() { TargetCommand(output::OutputTarget::Lpt2); }
void TPrintfile1::BitBtn3Click() { TargetCommand(output::OutputTarget::Lpt3); }
void TPrintfile1::BitBtn4Click() { TargetCommand(output::OutputTarget::Com1); }
void TPrintfile1::BitBtn5Click() { TargetCommand(output::OutputTarget::Com2); }
void TPrintfile1::BitBtn6Click() { TargetCommand(output::OutputTarget::Win); }

void TPrintfile1::BitBtn7Click() {
  if (!setupdialog1_) return;
  // A field can't hold a zero byte, so it shows a string up to its first one.
  for (const output::ControlStringKey& key : output::kControlStringKeys) {
    setupdialog1_->EditOf(key).SetText(UpToFirstZero(FControlStrings[key]));
  }
  if (setupdialog1_->ShowModal() != ui::kModalResultOk) return;
  for (const output::ControlStringKey& key : output::kControlStringKeys) {
    // A field left as it was shown keeps its whole string: printer commands
    // carry zero bytes, and changing one string must not cut the others.
    const std::string text = setupdialog1_->EditOf(key).Text();
    if (text != UpToFirstZero(FControlStrings[key])) FControlStrings[key] = text;
  }
}

void TPrintfile1::Help1Click() {
  if (help_) help_->ShowProgramHelp(msg_, application_.programFolder);
}

void TPrintfile1::BitBtn8Click() {
  if (infobox_) infobox_->ShowInfo();
}

}  // namespace morvane::forms
