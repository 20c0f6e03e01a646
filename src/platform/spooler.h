#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace morvane::platform {

// How the start of a document went. A printer whose driver takes no document
// of the datatype asked for says so apart from every other failure, so that
// another datatype can be tried.
enum class DocStart { Started, DatatypeRefused, Failed };

// One printer opened through the print spooler.
class Printer {
 public:
  virtual ~Printer() = default;
  // Level-1 document: name, no output file, the given datatype.
  virtual DocStart StartDoc(const std::string& documentName, const std::string& datatype) = 0;
  // Reports in written how many of the bytes the spooler took: it may take
  // fewer than it was given.
  virtual bool Write(const void* data, std::uint32_t size, std::uint32_t& written) = 0;
  // False when the spooler could not commit the document.
  virtual bool EndDoc() = 0;
  // Deletes the document in progress, so that none of it prints; the
  // document is then over, without EndDoc.
  virtual bool Abort() = 0;
  virtual bool Close() = 0;
};

// The spooler's printer listing levels and flags, as the platform numbers them.
inline constexpr std::uint32_t kPrinterEnumLocal = 2;
inline constexpr std::uint32_t kPrinterEnumConnections = 4;
inline constexpr std::uint32_t kPrinterInfoLevel4 = 4;
inline constexpr std::uint32_t kPrinterInfoLevel5 = 5;

class Spooler {
 public:
  virtual ~Spooler() = default;
  // Opens the printer without defaults. On failure returns null and sets
  // lastError to the platform's error number.
  virtual std::unique_ptr<Printer> Open(const std::string& name, std::uint32_t& lastError) = 0;
  // The platform's printer listing on this machine: fills buffer (size bytes,
  // buffer may be null when size is 0), reports the bytes needed and the number
  // of records returned. The records' first fields point into the buffer.
  virtual bool EnumPrinters(std::uint32_t flags, std::uint32_t level, std::uint8_t* buffer,
                            std::uint32_t size, std::uint32_t& bytesNeeded,
                            std::uint32_t& recordsReturned) = 0;
};

}  // namespace morvane::platform
