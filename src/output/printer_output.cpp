#include "output/printer_output.h"

#include <array>
#include <cstdint>
#include <memory>

#include "net/printer_address.h"
#include "output/copy_pacer.h"
#include "output/network_output.h"

namespace morvane::output {
namespace {

// The spooler may take fewer bytes than it was given: the rest is given again
// until all of it is taken. A write that takes nothing would never end, and
// fails the copy.
bool WriteAll(platform::Printer& printer, const char* data, std::uint32_t size) {
  while (size > 0) {
    std::uint32_t taken = 0;
    if (!printer.Write(data, size, taken) || taken == 0 || taken > size) return false;
    data += taken;
    size -= taken;
  }
  return true;
}

bool WriteWhole(platform::Printer& printer, const ControlString& text) {
  return WriteAll(printer, text.data(), static_cast<std::uint32_t>(text.size()));
}

enum class DocumentEnd { Whole, Failed, Stopped };

// A driver that refuses RAW (a version-4 one) takes the same bytes unchanged
// as XPS_PASS; every other failure to start is the copy's end.
bool StartDocument(platform::Printer& printer, const std::string& path, std::string& datatype) {
  platform::DocStart start = printer.StartDoc(path, kRawDatatype);
  datatype = kRawDatatype;
  if (start == platform::DocStart::DatatypeRefused) {
    start = printer.StartDoc(path, kXpsPassDatatype);
    datatype = kXpsPassDatatype;
  }
  if (start == platform::DocStart::Started) return true;
  datatype.clear();
  return false;
}

// One copy's document, from its start to its end.
// The copy's fileBytes counts the bytes of the file that the spooler took.
DocumentEnd WriteDocument(CopyPacer& pacer, const PrinterJob& job, platform::File& source,
                          platform::Printer& printer, const std::string& path, PrinterCopy& copy) {
  if (!StartDocument(printer, path, copy.datatype)) return DocumentEnd::Failed;
  if (!job.init.empty() && !WriteWhole(printer, job.init)) return DocumentEnd::Failed;

  std::array<char, kPrinterBlockSize> block;
  for (;;) {
    std::uint32_t bytesRead = 0;
    if (!source.Read(block.data(), static_cast<std::uint32_t>(block.size()), bytesRead)) {
      return DocumentEnd::Failed;
    }
    if (bytesRead == 0) break;
    if (!WriteAll(printer, block.data(), bytesRead)) return DocumentEnd::Failed;
    copy.fileBytes += bytesRead;
    if (!pacer.BlockSent(bytesRead)) return DocumentEnd::Stopped;
  }

  return job.exit.empty() || WriteWhole(printer, job.exit) ? DocumentEnd::Whole
                                                           : DocumentEnd::Failed;
}

}  // namespace

PrinterCopy SendFileToPrinter(const OutputServices& services, const PrinterJob& job,
                              const std::string& path, const std::string& printerName) {
  // A printer named by its address is reached over the network; every other
  // name is a Windows printer's.
  const net::PrinterTarget target = net::ParsePrinterTarget(printerName);
  if (target.kind == net::TargetKind::Address) {
    return SendFileToAddress(services, job, path, target.address);
  }
  if (target.kind == net::TargetKind::BadAddress) {
    services.messages.Warn(kBadAddressPrefix + printerName, kOutputCaption);
    return {};
  }

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
  CopyPacer pacer(services, *source);
  const DocumentEnd end = WriteDocument(pacer, job, *source, *printer, path, copy);
  if (end == DocumentEnd::Stopped) {
    // The user stopped the run: the document goes, so that no half job
    // prints. That is no failure to report.
    printer->Abort();
    printer->Close();
    source->Close();
    return copy;
  }
  const bool written = end == DocumentEnd::Whole;
  if (!written) reportProcessingError();

  // What was written stays in the document: the spooler prints it. A
  // document the spooler could not commit did not arrive.
  const bool ended = printer->EndDoc();
  if (!ended && written) reportProcessingError();
  printer->Close();
  const bool closed = source->Close();
  if (!closed && written && ended) reportProcessingError();
  copy.delivered = written && ended && closed;
  return copy;
}

}  // namespace morvane::output
