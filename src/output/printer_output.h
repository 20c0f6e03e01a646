#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "output/control_strings.h"
#include "output/output_services.h"

namespace morvane::output {

// Each block of the file goes to the spooler in one write of this many bytes.
inline constexpr std::size_t kPrinterBlockSize = 1025;
inline constexpr char kRawDatatype[] = "RAW";

struct PrinterJob {
  const ControlString& init;
  const ControlString& exit;
  // The caption of the box that reports a printer that cannot be opened.
  const std::string& mainWindowCaption;
};

// What became of one copy sent to a printer.
struct PrinterCopy {
  // The whole document reached the spooler.
  bool delivered = false;
  // The bytes of the file (not of INIT and EXIT) that reached the spooler.
  std::uint64_t fileBytes = 0;
};

// Sends one file raw to the named Windows printer as one spool document named
// by the path, framed by the job's INIT and EXIT strings. Reports every failure
// to the run's message sink and returns normally.
PrinterCopy SendFileToPrinter(const OutputServices& services, const PrinterJob& job,
                              const std::string& path, const std::string& printerName);

}  // namespace morvane::output
