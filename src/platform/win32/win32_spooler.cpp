#include "platform/win32/win32_spooler.h"

#include <windows.h>

#include <winspool.h>

#include <cstring>
#include <vector>

#include "platform/win32/wide_names.h"

// winspool.h and wingdi.h map these names to their -A functions; here they are
// our interface's methods, and the -A functions are called by their own names.
#undef StartDoc
#undef EnumPrinters

namespace morvane::platform::win32 {
namespace {

constexpr int kListingAttempts = 3;

class Win32Printer : public Printer {
 public:
  explicit Win32Printer(HANDLE handle) : handle_(handle) {}
  ~Win32Printer() override {
    if (handle_) ClosePrinter(handle_);
  }

  DocStart StartDoc(const std::string& documentName, const std::string& datatype) override {
    // The document is named by the file's path, as the user sees it.
    std::wstring name = WideFromName(documentName);
    std::wstring type = WideFromName(datatype);
    DOC_INFO_1W info{};
    info.pDocName = name.data();
    info.pOutputFile = nullptr;
    info.pDatatype = type.data();
    if (StartDocPrinterW(handle_, 1, reinterpret_cast<LPBYTE>(&info)) != 0) {
      return DocStart::Started;
    }
    return GetLastError() == ERROR_INVALID_DATATYPE ? DocStart::DatatypeRefused : DocStart::Failed;
  }

  bool Write(const void* data, std::uint32_t size, std::uint32_t& written) override {
    DWORD taken = 0;
    const BOOL ok = WritePrinter(handle_, const_cast<void*>(data), size, &taken);
    written = taken;
    return ok != FALSE;
  }

  bool EndDoc() override { return EndDocPrinter(handle_) != FALSE; }

  bool Abort() override { return AbortPrinter(handle_) != FALSE; }

  bool Close() override {
    const HANDLE handle = handle_;
    handle_ = nullptr;
    return ClosePrinter(handle) != FALSE;
  }

 private:
  HANDLE handle_;
};

// The printers' names in the program's text form, with their attributes.
bool ListWide(std::uint32_t flags, std::uint32_t level, std::vector<std::string>& names,
              std::vector<DWORD>& attributes) {
  std::vector<BYTE> wide;
  DWORD needed = 0;
  DWORD returned = 0;
  // A printer added between the two calls needs more room: ask again.
  for (int attempt = 0;; ++attempt) {
    if (EnumPrintersW(flags, nullptr, level, wide.data(), static_cast<DWORD>(wide.size()), &needed,
                      &returned)) {
      break;
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || attempt == kListingAttempts) return false;
    wide.assign(needed, 0);
  }
  for (DWORD i = 0; i < returned; ++i) {
    const wchar_t* name = nullptr;
    DWORD attribute = 0;
    if (level == kPrinterInfoLevel4) {
      const auto* record = reinterpret_cast<const PRINTER_INFO_4W*>(wide.data()) + i;
      name = record->pPrinterName;
      attribute = record->Attributes;
    } else {
      const auto* record = reinterpret_cast<const PRINTER_INFO_5W*>(wide.data()) + i;
      name = record->pPrinterName;
      attribute = record->Attributes;
    }
    names.push_back(NameFromWide(name ? name : L""));
    attributes.push_back(attribute);
  }
  return true;
}

}  // namespace

std::unique_ptr<Printer> Win32Spooler::Open(const std::string& name, std::uint32_t& lastError) {
  // Opened wide: the ANSI call would take a look-alike for a character
  // outside the code page and open another printer, or none.
  std::wstring printerName = WideFromName(name);
  HANDLE handle = nullptr;
  if (!OpenPrinterW(printerName.data(), &handle, nullptr)) {
    lastError = GetLastError();
    return nullptr;
  }
  lastError = 0;
  return std::make_unique<Win32Printer>(handle);
}

// The listing is taken wide, so that a name outside the code page reaches the
// program in its text form instead of as a best-fit look-alike, and handed on
// laid out as the ANSI listing lays it out: the records first, then the names
// their first fields point to.
bool Win32Spooler::EnumPrinters(std::uint32_t flags, std::uint32_t level, std::uint8_t* buffer,
                                std::uint32_t size, std::uint32_t& bytesNeeded,
                                std::uint32_t& recordsReturned) {
  bytesNeeded = 0;
  recordsReturned = 0;
  std::size_t stride = 0;
  if (level == kPrinterInfoLevel4) stride = sizeof(PRINTER_INFO_4A);
  if (level == kPrinterInfoLevel5) stride = sizeof(PRINTER_INFO_5A);
  if (stride == 0) {
    SetLastError(ERROR_INVALID_LEVEL);
    return false;
  }

  std::vector<std::string> names;
  std::vector<DWORD> attributes;
  if (!ListWide(flags, level, names, attributes)) return false;

  std::size_t needed = names.size() * stride;
  for (const std::string& name : names) needed += name.size() + 1;
  bytesNeeded = static_cast<std::uint32_t>(needed);
  if (needed == 0) return true;
  if (buffer == nullptr || size < needed) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return false;
  }

  std::memset(buffer, 0, needed);
  std::size_t nameOffset = names.size() * stride;
  for (std::size_t i = 0; i < names.size(); ++i) {
    char* name = reinterpret_cast<char*>(buffer + nameOffset);
    std::memcpy(name, names[i].c_str(), names[i].size() + 1);
    nameOffset += names[i].size() + 1;
    if (level == kPrinterInfoLevel4) {
      PRINTER_INFO_4A record{};
      record.pPrinterName = name;
      record.Attributes = attributes[i];
      std::memcpy(buffer + i * stride, &record, sizeof record);
    } else {
      PRINTER_INFO_5A record{};
      record.pPrinterName = name;
      record.Attributes = attributes[i];
      std::memcpy(buffer + i * stride, &record, sizeof record);
    }
  }
  recordsReturned = static_cast<std::uint32_t>(names.size());
  return true;
}

}  // namespace morvane::platform::win32
