#pragma once

#include <string>

#include "base/window_handle.h"

namespace morvane::platform {

// The application's printer object and the printer-setup dialog that changes it.
class PrinterSetup {
 public:
  virtual ~PrinterSetup() = default;
  // The device name of the current printer (the platform's default printer
  // until the dialog chooses another); false when there is no current printer.
  virtual bool CurrentDeviceName(std::string& name) = 0;
  // Shows the dialog on the current printer; true when it was confirmed.
  virtual bool Execute(base::WindowHandle owner) = 0;
};

}  // namespace morvane::platform
