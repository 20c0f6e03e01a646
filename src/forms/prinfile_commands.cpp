#include <optional>

#include "base/scope_exit.h"
#include "forms/prinfile.h"
#include "forms/prinfile_texts.h"
#include "platform/hour_glass.h"

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

// The list clearing, cursor and dispatches of the runs that the target
// buttons and a simple-mode drop start; each keeps its own order of them.
const TPrintfile1::RunFraming TPrintfile1::kExtendedCommandRun{true, ListClearing::None, false};
const TPrintfile1::RunFraming TPrintfile1::kSimpleDeviceCommandRun{true, ListClearing::AfterRun,
                                                                   true};
const TPrintfile1::RunFraming TPrintfile1::kSimplePrinterCommandRun{
    true, ListClearing::BeforeBusyEnds, false};
const TPrintfile1::RunFraming TPrintfile1::kSimpleDropRun{false, ListClearing::BeforeBusyEnds,
                                                          true};

void TPrintfile1::StartRun(output::OutputTarget target, const RunFraming& framing) {
  base::ScopeExit clearAfterRun([&] {
    if (framing.clearing == ListClearing::AfterRun) NewButtonClick();
  });
  std::optional<platform::HourGlass::Scope> hourGlass;
  if (framing.hourGlass) hourGlass.emplace(platform_.cursor);
  {
    BusyScope busy(*this);
    base::ScopeExit clearInRun([&] {
      if (framing.clearing == ListClearing::BeforeBusyEnds) NewButtonClick();
    });
    if (framing.dispatchAround) platform_.pump.ProcessMessages();
    if (target == output::OutputTarget::Win) {
      RunPrinterJob();
    } else {
      SelectActivePair(target);
      RunDeviceJob(output::DeviceName(target));
    }
  }
  if (framing.dispatchAround) platform_.pump.ProcessMessages();
}

void TPrintfile1::TargetCommand(output::OutputTarget target) {
  if (FExtendedMode) return StartRun(target, kExtendedCommandRun);
  // The list holds only the files asked for now; a cancelled dialog leaves
  // it empty.
  NewButtonClick();
  if (!AddFilesFromDialog()) return;
  StartRun(target, target == output::OutputTarget::Win ? kSimplePrinterCommandRun
                                                       : kSimpleDeviceCommandRun);
}

void TPrintfile1::BitBtn1Click() { TargetCommand(output::OutputTarget::Lpt1); }
void TPrintfile1::BitBtn2Click() { TargetCommand(output::OutputTarget::Lpt2); }
void TPrintfile1::BitBtn3Click() { TargetCommand(output::OutputTarget::Lpt3); }
void TPrintfile1::BitBtn4Click() { TargetCommand(output::OutputTarget::Com1); }
void TPrintfile1::BitBtn5Click() { TargetCommand(output::OutputTarget::Com2); }
void TPrintfile1::BitBtn6Click() { TargetCommand(output::OutputTarget::Win); }

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
