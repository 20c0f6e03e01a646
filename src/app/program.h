#pragma once

#include <memory>

#include "base/application.h"
#include "forms/info.h"
#include "forms/prinfile.h"
#include "forms/setup.h"
#include "help/help_platform.h"
#include "help/help_session.h"
#include "platform/msg.h"
#include "platform/platform.h"
#include "ui/window_system.h"

namespace morvane::app {

// The program body: creates the three windows in their order, runs the
// message loop until the main window is closed, then ends them.
class Program {
 public:
  Program(platform::Platform& platform, help::HelpPlatform& help, ui::WindowSystem& windows);
  ~Program();

  // Returns the program's exit status.
  int Run();

  // The windows, once created; for the program's own wiring and for tests.
  forms::TPrintfile1* Printfile1() const { return printfile1_.get(); }
  forms::Tinfobox* infobox() const { return infobox_.get(); }
  forms::TSetupdialog1* Setupdialog1() const { return setupdialog1_.get(); }
  platform::Msg& Messages() { return msg_; }
  help::HelpSession& Help() { return help_; }

  // The steps of Run before and after the message loop, for headless drivers.
  void Start();
  void Finish();

 private:
  platform::Platform& platform_;
  ui::WindowSystem& windows_;
  base::Application application_;
  platform::Msg msg_;
  // Starts after Msg and before the windows, and ends after them.
  help::HelpSession help_;
  std::unique_ptr<forms::TPrintfile1> printfile1_;
  std::unique_ptr<forms::Tinfobox> infobox_;
  std::unique_ptr<forms::TSetupdialog1> setupdialog1_;
};

}  // namespace morvane::app
