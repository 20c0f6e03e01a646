#include "app/program.h"

#include "base/batch_command.h"
#include "base/command_line.h"
#include "base/path_text.h"

namespace morvane::app {

Program::Program(platform::Platform& platform, help::HelpPlatform& help, ui::WindowSystem& windows)
    : platform_(platform),
      windows_(windows),
      msg_(platform.boxes, [this] { return printfile1_ ? printfile1_->Handle() : 0; }),
      help_(platform, help) {
  application_.arguments = base::CommandLineArguments(platform.system.CommandLine());
  application_.batch = base::ParseBatchCommand(application_.arguments);
  application_.programFolder = base::FolderOf(platform.system.ProgramPath());
  // A run that nobody watches must not wait on the system's own boxes either
  // (a log or a file on a drive without its disk), from its first read on.
  if (application_.batch && application_.batch->quiet) platform.system.SuppressSystemErrorBoxes();
}

Program::~Program() { Finish(); }

void Program::Start() {
  windows_.SetApplicationTitle(base::kApplicationTitle);

  printfile1_ = std::make_unique<forms::TPrintfile1>(platform_, application_, msg_);
  windows_.Realize(*printfile1_);
  printfile1_->FormCreate();

  infobox_ = std::make_unique<forms::Tinfobox>(platform_.shell,
                                               [this] { return windows_.ApplicationWindow(); });
  windows_.Realize(*infobox_);
  if (application_.arguments.empty()) infobox_->ShowAsSplash();

  setupdialog1_ = std::make_unique<forms::TSetupdialog1>();
  windows_.Realize(*setupdialog1_);
  setupdialog1_->onSettingsChanged = [this] { printfile1_->MarkSettingsChanged(); };
  printfile1_->AttachDialogs(*setupdialog1_, *infobox_);
  printfile1_->AttachHelp(help_);
}

int Program::Run() {
  Start();
  windows_.RunMessageLoop(*printfile1_);
  const int status = printfile1_->BatchExitStatus();
  Finish();
  return status;
}

void Program::Finish() {
  // The forms end in the reverse order of their creation; the main window's
  // end writes the stored state.
  if (setupdialog1_) setupdialog1_->Destroy();
  if (infobox_) infobox_->Destroy();
  if (printfile1_) printfile1_->Destroy();
}

}  // namespace morvane::app
