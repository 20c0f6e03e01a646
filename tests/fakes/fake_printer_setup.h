#pragma once

#include <optional>
#include <string>

#include "platform/printer_setup.h"

namespace morvane::fakes {

// The application's printer object and its setup dialog. When the dialog is
// confirmed with a chosen device, that device becomes the current printer.
class FakePrinterSetup final : public platform::PrinterSetup {
 public:
  // No name: there is no current printer.
  void SetCurrentDevice(std::optional<std::string> name);
  void SetDialogResult(bool confirmed, std::optional<std::string> chosenDevice = std::nullopt);

  int ExecuteCalls() const { return executeCalls_; }
  base::WindowHandle LastOwner() const { return lastOwner_; }

  bool CurrentDeviceName(std::string& name) override;
  bool Execute(base::WindowHandle owner) override;

 private:
  std::optional<std::string> currentDevice_;
  bool confirmed_ = false;
  std::optional<std::string> chosenDevice_;
  int executeCalls_ = 0;
  base::WindowHandle lastOwner_ = 0;
};

}  // namespace morvane::fakes
