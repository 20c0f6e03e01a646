#include "fakes/fake_printer_setup.h"

#include <utility>

namespace morvane::fakes {

void FakePrinterSetup::SetCurrentDevice(std::optional<std::string> name) {
  currentDevice_ = std::move(name);
}

void FakePrinterSetup::SetDialogResult(bool confirmed, std::optional<std::string> chosenDevice) {
  confirmed_ = confirmed;
  chosenDevice_ = std::move(chosenDevice);
}

bool FakePrinterSetup::CurrentDeviceName(std::string& name) {
  if (!currentDevice_) return false;
  name = *currentDevice_;
  return true;
}

bool FakePrinterSetup::Execute(base::WindowHandle owner) {
  ++executeCalls_;
  lastOwner_ = owner;
  if (confirmed_ && chosenDevice_) currentDevice_ = chosenDevice_;
  return confirmed_;
}

}  // namespace morvane::fakes
