#include "output/printer_output.h"

#include <array>
#include <cstdint>
#include <memory>

#include "output/copy_pacer.h"

namespace morvane::output {
namespace {

bool WriteWhole(platform::Printer& printer, const ControlString& text) {
  return printer.Write(text.data(), static_cast<std::uint32_t>(text.size()));
}

// One copy's document, from its start to its end. Returns false when the
// copy failed and has to be reported.
// fileBytes counts the bytes of the file that the spooler took.
bool WriteDocument(const OutputServices& services, const PrinterJob& job, platform::File& source,
                   platform::Printer& printer, const std::string& path, std::uint64_t& fileBytes) {
  if (!printer.StartDoc(path, kRawDatatype)) return false;
  if (!job.init.empty() && !WriteWhole(printer, job.init)) return false;

  std::array<char, kPrinterBlockSize> block;
  CopyPacer pacer(services, source);
  for (;;) {
    std::uint32_t bytesRead = 0;
    if (!source.Read(block.data(), static_cast<std::uint32_t>(block.size()), bytesRead)) {
      return false;
    }
    if (bytesRead == 0) break;
    if (!printer.Write(block.data(), bytesRead)) return false;
    fileBytes += bytesRead;
    pacer.BlockSent(bytesRead);
  }

  return job.exit.empty() || WriteWhole(printer, job.exit);
}

}  // namespace

PrinterCopy SendFileToPrinter(const OutputServices& services, const PrinterJob& job,
                              const std::string& path, const std::string& printerName) {
  std::unique_ptr<platform::File> source = services.files.Open(path, kSourceOpenMode);
  if (!source) {
    services.messages.Warn(kSourceOpenFailed, kOutputCaption);
    return {};
  }

  std::uint32_t lastError = 0;
  std::unique_ptr<platform::Printer> printer = services.spooler.Open(printerName, lastError);
  if (!printer) {
    services.messages.Warn(kPrinterOpenErrorPrefix + std::to_string(lastError),
                           job.mainWindowCaption);
    source->Close();
    return {};
  }

  auto reportProcessingError = [&] { services.messages.Warn(kProcessingFailed, kOutputCaption); };
  PrinterCopy copy;
  const bool written = WriteDocument(services, job, *source, *printer, path, copy.fileBytes);
  if (!written) reportProcessingError();

  // What was written stays in the document: the spooler prints it.
  printer->EndDoc();
  printer->Close();
  const bool closed = source->Close();
  if (!closed && written) reportProcessingError();
  copy.delivered = written && closed;
  return copy;
}

}  // namespace morvane::output
