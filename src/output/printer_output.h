#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "output/control_strings.h"
#include "output/output_services.h"

namespace morvane::output {

// Each block of the file goes to the spooler in one write of this many bytes.
inline constexpr std::size_t kPrinterBlockSize = 1025;
inline constexpr char kRawDatatype[] = "RAW";
// The datatype through which a printer with a version-4 (XPS) driver takes
// the bytes unchanged: such a driver refuses RAW.
inline constexpr char kXpsPassDatatype[] = "XPS_PASS";

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
  // The datatype of the document the spooler started; empty when it started
  // none.
  std::string datatype;
  // The id an IPP printer gave the copy's job.
  std::optional<std::int32_t> ippJobId;
};

// A name that is a network address (net/printer_address.h) sends to the
// printer there instead (network_output.h); a name that starts as an address
// but is none sends nothing and is reported.
// Sends one file raw to the named Windows printer as one spool document named
// by the path, framed by the job's INIT and EXIT strings: a RAW document, or
// an XPS_PASS one when the printer's driver refuses RAW. Reports every failure
// to the run's message sink and returns normally.
PrinterCopy SendFileToPrinter(const OutputServices& services, const PrinterJob& job,
                              const std::string& path, const std::string& printerName);

}  // namespace morvane::output
