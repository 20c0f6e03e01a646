#pragma once

#include "fakes/fake_file_system.h"
#include "fakes/fake_folders.h"
#include "fakes/fake_local_clock.h"
#include "fakes/fake_network.h"
#include "fakes/fake_printer_setup.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_spooler.h"
#include "fakes/fake_system_info.h"
#include "fakes/fake_ui_services.h"
#include "platform/platform.h"
#include "ui/window_system.h"

namespace morvane::fakes {

// Every platform service faked, ready to hand to the program.
struct FakePlatform {
  // A wait for messages lets the clock's time pass.
  FakePlatform() {
    pump.onWait = [this](int milliseconds) {
      clock.Advance(std::int64_t{milliseconds} * kMicrosecondsPerMillisecond);
    };
    folders.onWait = pump.onWait;
  }
  FakePlatform(const FakePlatform&) = delete;
  FakePlatform& operator=(const FakePlatform&) = delete;

  static constexpr std::int64_t kMicrosecondsPerMillisecond = 1000;
  FakeFileSystem files;
  FakeSpooler spooler;
  FakeRegistry registry;
  FakeScreenCursor cursor;
  FakeMessageBoxes boxes{&cursor};
  FakeMessagePump pump;
  FakePrinterSetup printerSetup;
  FakeSystemInfo system;
  FakeShell shell;
  FakeOpenFileDialog openDialog;
  FakeMonotonicClock clock;
  FakeLocalClock localClock;
  FakeFolders folders{files};
  FakeNetwork network;
  platform::Platform platform{files,  spooler, registry,   boxes, cursor,     pump,    printerSetup,
                              system, shell,   openDialog, clock, localClock, folders, network};
};

// A window system without windows: the main form is shown and activated, and
// the loop "runs" until the form is closed or the test's script is done.
class FakeWindowSystem final : public ui::WindowSystem {
 public:
  void SetApplicationTitle(const std::string& title) override { title_ = title; }
  void Realize(ui::Form& form) override { realized_.push_back(form.Name()); }
  void RunMessageLoop(ui::Form& mainForm) override {
    mainForm.Show();
    mainForm.NotifyActivated();
    if (whileRunning) whileRunning(mainForm);
  }

  base::WindowHandle ApplicationWindow() const override { return 0; }

  const std::string& Title() const { return title_; }
  const std::vector<std::string>& Realized() const { return realized_; }
  std::function<void(ui::Form&)> whileRunning;

 private:
  std::string title_;
  std::vector<std::string> realized_;
};

}  // namespace morvane::fakes
