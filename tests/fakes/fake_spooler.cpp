#include "fakes/fake_spooler.h"

#include <algorithm>
#include <cstring>

namespace morvane::fakes {

std::string SpoolJob::Accepted() const {
  std::string bytes;
  for (std::size_t i = 0; i < writes.size(); ++i) {
    if (writeResults[i]) bytes += writes[i].substr(0, taken[i]);
  }
  return bytes;
}

class FakeSpooler::FakePrinter final : public platform::Printer {
 public:
  FakePrinter(FakeSpooler& owner, std::size_t job) : owner_(owner), job_(job) {}

  platform::DocStart StartDoc(const std::string& documentName,
                              const std::string& datatype) override {
    SpoolJob& job = Job();
    ++job.startDocCalls;
    job.documentName = documentName;
    job.datatype = datatype;
    const std::vector<std::string>& refused = owner_.refusedDatatypes_;
    if (std::find(refused.begin(), refused.end(), datatype) != refused.end()) {
      return platform::DocStart::DatatypeRefused;
    }
    job.started = !owner_.startDocFails_;
    return job.started ? platform::DocStart::Started : platform::DocStart::Failed;
  }

  bool Write(const void* data, std::uint32_t size, std::uint32_t& written) override {
    SpoolJob& job = Job();
    job.writes.emplace_back(size == 0 ? std::string()
                                      : std::string(static_cast<const char*>(data), size));
    const bool succeeded = job.started && !job.endDocCalled && !job.aborted && !job.closeCalled &&
                           owner_.WriteSucceeds(job.writes.size());
    written = succeeded ? owner_.Takes(job.writes.size(), size) : 0;
    job.writeResults.push_back(succeeded);
    job.taken.push_back(written);
    return succeeded;
  }

  bool EndDoc() override {
    SpoolJob& job = Job();
    const bool hadDocument = job.started && !job.endDocCalled;
    job.endDocCalled = true;
    return hadDocument && !owner_.endDocFails_;
  }

  bool Abort() override {
    SpoolJob& job = Job();
    const bool hadDocument = job.started && !job.endDocCalled && !job.aborted;
    job.aborted = true;
    return hadDocument;
  }

  bool Close() override {
    SpoolJob& job = Job();
    const bool wasOpen = !job.closeCalled;
    job.closeCalled = true;
    return wasOpen;
  }

 private:
  SpoolJob& Job() { return owner_.jobs_[job_]; }

  FakeSpooler& owner_;
  std::size_t job_;
};

FakeSpooler::FakeSpooler() = default;
FakeSpooler::~FakeSpooler() = default;

void FakeSpooler::AddPrinter(const std::string& name, PrinterKind kind) {
  printers_.push_back(Printer{name, kind});
}

void FakeSpooler::FailOpen(std::uint32_t errorNumber) { openError_ = errorNumber; }

void FakeSpooler::FailStartDoc() { startDocFails_ = true; }

void FakeSpooler::RefuseDatatype(const std::string& datatype) {
  refusedDatatypes_.push_back(datatype);
}

void FakeSpooler::FailWrite(std::size_t nth, WriteFailure failure) {
  failingWrite_ = nth;
  writeFailure_ = failure;
}

void FakeSpooler::LimitWrites(std::uint32_t maxBytes, std::size_t fromNth) {
  writeLimit_ = maxBytes;
  limitFrom_ = fromNth;
}

void FakeSpooler::FailEndDoc() { endDocFails_ = true; }

void FakeSpooler::ReportNoBytesNeeded() { noBytesNeeded_ = true; }

void FakeSpooler::FailFilledListing() { filledListingFails_ = true; }

void FakeSpooler::ClaimRecords(std::uint32_t count) { claimedRecords_ = count; }

static_assert(sizeof(const char*) <= kFakePrinterInfo4Stride);

bool FakeSpooler::WriteSucceeds(std::size_t nth) const {
  if (!failingWrite_) return true;
  if (writeFailure_ == WriteFailure::OnlyThisOne) return nth != *failingWrite_;
  return nth < *failingWrite_;
}

std::uint32_t FakeSpooler::Takes(std::size_t nth, std::uint32_t size) const {
  if (!writeLimit_ || nth < limitFrom_) return size;
  return std::min(size, *writeLimit_);
}

std::unique_ptr<platform::Printer> FakeSpooler::Open(const std::string& name,
                                                     std::uint32_t& lastError) {
  openAttempts_.push_back(name);
  if (openError_) {
    lastError = *openError_;
    return nullptr;
  }
  auto known = std::find_if(printers_.begin(), printers_.end(),
                            [&name](const Printer& printer) { return printer.name == name; });
  if (known == printers_.end()) {
    lastError = kErrorInvalidPrinterName;
    return nullptr;
  }
  jobs_.emplace_back().printerName = name;
  return std::make_unique<FakePrinter>(*this, jobs_.size() - 1);
}

std::vector<const FakeSpooler::Printer*> FakeSpooler::Listed(std::uint32_t flags) const {
  std::vector<const Printer*> listed;
  for (const Printer& printer : printers_) {
    const std::uint32_t flag = printer.kind == PrinterKind::Local
                                   ? platform::kPrinterEnumLocal
                                   : platform::kPrinterEnumConnections;
    if ((flags & flag) != 0) listed.push_back(&printer);
  }
  return listed;
}

bool FakeSpooler::EnumPrinters(std::uint32_t flags, std::uint32_t level, std::uint8_t* buffer,
                               std::uint32_t size, std::uint32_t& bytesNeeded,
                               std::uint32_t& recordsReturned) {
  EnumCall& call = enumCalls_.emplace_back(EnumCall{flags, level, buffer != nullptr, size});
  recordsReturned = 0;
  std::size_t stride = 0;
  if (level == platform::kPrinterInfoLevel4) stride = kFakePrinterInfo4Stride;
  if (level == platform::kPrinterInfoLevel5) stride = kFakePrinterInfo5Stride;
  if (stride == 0) {
    bytesNeeded = 0;
    return call.result = false;
  }

  const std::vector<const Printer*> listed = Listed(flags);
  std::size_t needed = listed.size() * stride;
  for (const Printer* printer : listed) needed += printer->name.size() + 1;
  bytesNeeded = noBytesNeeded_ ? 0 : static_cast<std::uint32_t>(needed);
  if (buffer == nullptr || size < needed) return call.result = needed == 0;
  if (filledListingFails_) return call.result = false;

  std::memset(buffer, 0, size);
  std::size_t nameOffset = listed.size() * stride;
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const char* name = reinterpret_cast<const char*>(buffer + nameOffset);
    std::memcpy(buffer + i * stride, &name, sizeof name);
    std::memcpy(buffer + nameOffset, listed[i]->name.c_str(), listed[i]->name.size() + 1);
    nameOffset += listed[i]->name.size() + 1;
  }
  bytesNeeded = static_cast<std::uint32_t>(needed);
  recordsReturned = claimedRecords_.value_or(static_cast<std::uint32_t>(listed.size()));
  return call.result = true;
}

}  // namespace morvane::fakes
