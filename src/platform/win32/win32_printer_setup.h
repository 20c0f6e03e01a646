#pragma once

#include "platform/printer_setup.h"

namespace morvane::platform::win32 {

// The application's printer: the default printer until the printer-setup
// dialog is confirmed on another one.
class Win32PrinterSetup : public PrinterSetup {
 public:
  Win32PrinterSetup() = default;
  ~Win32PrinterSetup() override;
  Win32PrinterSetup(const Win32PrinterSetup&) = delete;
  Win32PrinterSetup& operator=(const Win32PrinterSetup&) = delete;

  bool CurrentDeviceName(std::string& name) override;
  bool Execute(base::WindowHandle owner) override;

 private:
  // The dialog's DEVMODE and DEVNAMES memory, kept between openings.
  void* devMode_ = nullptr;
  void* devNames_ = nullptr;
};

}  // namespace morvane::platform::win32
