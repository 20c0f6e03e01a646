#include "forms/prinfile.h"
#include "output/printer_output.h"
#include "settings/printer_list.h"

namespace morvane::forms {

void TPrintfile1::PrintersetupbuttonClick() {
  if (!platform_.printerSetup.Execute(Handle())) return;
  std::string deviceName;
  if (!platform_.printerSetup.CurrentDeviceName(deviceName)) return;
  const int index = settings::FindPrinterItem(PrintersComboBox.Items(), deviceName);
  if (index >= 0) PrintersComboBox.SelectItem(index);
}

output::PrinterCopy TPrintfile1::SendFileToPrinter(RunOwner::Run& run, const std::string& path,
                                                   const std::string& printerName) {
  const std::string caption = Text();
  return output::SendFileToPrinter(run.Services(), output::PrinterJob{FWinInit, FWinExit, caption},
                                   path, printerName);
}

}  // namespace morvane::forms
