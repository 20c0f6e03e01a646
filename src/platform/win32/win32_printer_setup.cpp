#include "platform/win32/win32_printer_setup.h"

#include <windows.h>

#include <commdlg.h>
#include <winspool.h>

#include <string_view>
#include <vector>

#include "platform/win32/wide_names.h"
#include "platform/win32/window_handles.h"

namespace morvane::platform::win32 {
namespace {

// Asked wide: a name outside the code page comes back as it is, never as a best-fit look-alike that
// names another printer or none.
bool DefaultPrinterName(std::string& name) {
  DWORD size = 0;
  GetDefaultPrinterW(nullptr, &size);
  if (size == 0) return false;
  std::vector<wchar_t> buffer(size);
  if (!GetDefaultPrinterW(buffer.data(), &size)) return false;
  name = NameFromWide(buffer.data());
  return true;
}

// The dialog's names are wide (PrintDlgW): the ANSI dialog would hand back a
// look-alike of a name outside the code page. Their offsets count characters.
bool DeviceNameFromDevNames(HGLOBAL devNames, std::string& name) {
  const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames));
  if (!names) return false;
  const SIZE_T size = GlobalSize(devNames) / sizeof(wchar_t);
  bool found = false;
  if (names->wDeviceOffset < size) {
    const auto* text = reinterpret_cast<const wchar_t*>(names);
    const wchar_t* start = text + names->wDeviceOffset;
    const wchar_t* end = text + size;
    const wchar_t* zero = start;
    while (zero < end && *zero != L'\0') ++zero;
    if (zero < end) {
      name = NameFromWide(std::wstring_view(start, static_cast<std::size_t>(zero - start)));
      found = true;
    }
  }
  GlobalUnlock(devNames);
  return found;
}

}  // namespace

Win32PrinterSetup::~Win32PrinterSetup() {
  if (devMode_) GlobalFree(devMode_);
  if (devNames_) GlobalFree(devNames_);
}

bool Win32PrinterSetup::CurrentDeviceName(std::string& name) {
  if (devNames_ && DeviceNameFromDevNames(devNames_, name)) return true;
  return DefaultPrinterName(name);
}

bool Win32PrinterSetup::Execute(base::WindowHandle owner) {
  PRINTDLGW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = WindowOf(owner);
  dialog.hDevMode = devMode_;
  dialog.hDevNames = devNames_;
  dialog.Flags = PD_PRINTSETUP;
  const BOOL confirmed = PrintDlgW(&dialog);
  devMode_ = dialog.hDevMode;
  devNames_ = dialog.hDevNames;
  return confirmed != FALSE;
}

}  // namespace morvane::platform::win32
