#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/spooler.h"

namespace morvane::fakes {

// Error numbers as the platform numbers them.
inline constexpr std::uint32_t kErrorInvalidPrinterName = 1801;

// Record strides of the listing levels as Windows lays them out for a build
// of this pointer size, with the name pointer as each record's first field.
inline constexpr bool kFake32BitLayout = sizeof(void*) == 4;
inline constexpr std::size_t kFakePrinterInfo4Stride = kFake32BitLayout ? 12 : 24;
inline constexpr std::size_t kFakePrinterInfo5Stride = kFake32BitLayout ? 20 : 32;

// One successful open of a printer and the document started on it.
struct SpoolJob {
  std::string printerName;
  int startDocCalls = 0;
  bool started = false;
  std::string documentName;
  // The datatype of the last start asked for.
  std::string datatype;
  // Every Write call's bytes, failed ones included, with its result and the
  // number of its bytes the spooler took.
  std::vector<std::string> writes;
  std::vector<bool> writeResults;
  std::vector<std::uint32_t> taken;
  bool endDocCalled = false;
  bool aborted = false;
  bool closeCalled = false;

  // The bytes the spooler took, in order.
  std::string Accepted() const;
};

enum class PrinterKind { Local, Connection };

enum class WriteFailure { OnlyThisOne, ThisAndLater };

struct EnumCall {
  std::uint32_t flags = 0;
  std::uint32_t level = 0;
  bool bufferGiven = false;
  std::uint32_t size = 0;
  bool result = false;
};

// Printers by name. The listing builds records as the platform does: the
// records first, then the zero-terminated names their first fields point to.
// PRINTER_ENUM_LOCAL lists the local printers, PRINTER_ENUM_CONNECTIONS the
// connections.
class FakeSpooler final : public platform::Spooler {
 public:
  FakeSpooler();
  ~FakeSpooler() override;

  void AddPrinter(const std::string& name, PrinterKind kind = PrinterKind::Local);

  // Every open fails with this error number.
  void FailOpen(std::uint32_t errorNumber);
  void FailStartDoc();
  // Starting a document of this datatype is refused as a driver refuses a
  // datatype it does not take.
  void RefuseDatatype(const std::string& datatype);
  // The nth write of each job (counted from 1) fails, alone or with all later ones.
  void FailWrite(std::size_t nth, WriteFailure failure);
  // From the nth write of each job on, each write succeeds but takes at most
  // maxBytes of what it is given (none when maxBytes is 0).
  void LimitWrites(std::uint32_t maxBytes, std::size_t fromNth = 1);
  // Ending a document fails, as when the spooler cannot commit it.
  void FailEndDoc();

  // The size query reports 0 bytes needed.
  void ReportNoBytesNeeded();
  // The call with a buffer fails.
  void FailFilledListing();
  // A successful call with a buffer reports this many records, whatever it wrote.
  void ClaimRecords(std::uint32_t count);

  const std::vector<SpoolJob>& Jobs() const { return jobs_; }
  const std::vector<std::string>& OpenAttempts() const { return openAttempts_; }
  const std::vector<EnumCall>& EnumCalls() const { return enumCalls_; }

  std::unique_ptr<platform::Printer> Open(const std::string& name,
                                          std::uint32_t& lastError) override;
  bool EnumPrinters(std::uint32_t flags, std::uint32_t level, std::uint8_t* buffer,
                    std::uint32_t size, std::uint32_t& bytesNeeded,
                    std::uint32_t& recordsReturned) override;

 private:
  class FakePrinter;
  struct Printer {
    std::string name;
    PrinterKind kind;
  };

  std::vector<const Printer*> Listed(std::uint32_t flags) const;
  bool WriteSucceeds(std::size_t nth) const;
  std::uint32_t Takes(std::size_t nth, std::uint32_t size) const;

  std::vector<Printer> printers_;
  std::optional<std::uint32_t> openError_;
  bool startDocFails_ = false;
  std::vector<std::string> refusedDatatypes_;
  std::optional<std::size_t> failingWrite_;
  WriteFailure writeFailure_ = WriteFailure::OnlyThisOne;
  std::optional<std::uint32_t> writeLimit_;
  std::size_t limitFrom_ = 1;
  bool endDocFails_ = false;
  bool noBytesNeeded_ = false;
  bool filledListingFails_ = false;
  std::optional<std::uint32_t> claimedRecords_;

  std::vector<SpoolJob> jobs_;
  std::vector<std::string> openAttempts_;
  std::vector<EnumCall> enumCalls_;
};

}  // namespace morvane::fakes
