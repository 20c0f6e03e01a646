#include "platform/win32/win32_spooler.h"

#include <windows.h>

#include <winspool.h>

#include <vector>

#include "platform/win32/ansi_names.h"

// winspool.h and wingdi.h map these names to their -A functions; here they are
// our interface's methods, and the -A functions are called by their own names.
#undef StartDoc
#undef EnumPrinters

namespace morvane::platform::win32 {
namespace {

class Win32Printer : public Printer {
 public:
  explicit Win32Printer(HANDLE handle) : handle_(handle) {}
  ~Win32Printer() override {
    if (handle_) ClosePrinter(handle_);
  }

  bool StartDoc(const std::string& documentName, const std::string& datatype) override {
    // The document is named by the file's path, which may hold characters
    // the code page can't: the wide call names it as the user sees it.
    if (NeedsWideCalls(documentName)) return StartDocWide(documentName, datatype);
    std::vector<char> name(documentName.begin(), documentName.end());
    name.push_back('\0');
    std::vector<char> type(datatype.begin(), datatype.end());
    type.push_back('\0');
    DOC_INFO_1A info{};
    info.pDocName = name.data();
    info.pOutputFile = nullptr;
    info.pDatatype = type.data();
    return StartDocPrinterA(handle_, 1, reinterpret_cast<LPBYTE>(&info)) != 0;
  }

  bool Write(const void* data, std::uint32_t size, std::uint32_t& written) override {
    DWORD taken = 0;
    const BOOL ok = WritePrinter(handle_, const_cast<void*>(data), size, &taken);
    written = taken;
    return ok != FALSE;
  }

  bool EndDoc() override { return EndDocPrinter(handle_) != FALSE; }

  bool Close() override {
    const HANDLE handle = handle_;
    handle_ = nullptr;
    return ClosePrinter(handle) != FALSE;
  }

 private:
  bool StartDocWide(const std::string& documentName, const std::string& datatype) {
    std::wstring name = WideFromName(documentName);
    std::wstring type = WideFromName(datatype);
    DOC_INFO_1W info{};
    info.pDocName = name.data();
    info.pOutputFile = nullptr;
    info.pDatatype = type.data();
    return StartDocPrinterW(handle_, 1, reinterpret_cast<LPBYTE>(&info)) != 0;
  }

  HANDLE handle_;
};

}  // namespace

std::unique_ptr<Printer> Win32Spooler::Open(const std::string& name, std::uint32_t& lastError) {
  std::vector<char> printerName(name.begin(), name.end());
  printerName.push_back('\0');
  HANDLE handle = nullptr;
  if (!OpenPrinterA(printerName.data(), &handle, nullptr)) {
    lastError = GetLastError();
    return nullptr;
  }
  lastError = 0;
  return std::make_unique<Win32Printer>(handle);
}

bool Win32Spooler::EnumPrinters(std::uint32_t flags, std::uint32_t level, std::uint8_t* buffer,
                                std::uint32_t size, std::uint32_t& bytesNeeded,
                                std::uint32_t& recordsReturned) {
  DWORD needed = 0;
  DWORD returned = 0;
  const BOOL ok = EnumPrintersA(flags, nullptr, level, buffer, size, &needed, &returned);
  bytesNeeded = needed;
  recordsReturned = returned;
  return ok != FALSE;
}

}  // namespace morvane::platform::win32
