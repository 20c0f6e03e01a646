// The printer-list walk over an arbitrary spooler buffer and record count:
// names are only ever read from inside the buffer.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "settings/printer_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::uint32_t level = data[0] % 2 == 0 ? 4 : 5;
  const std::uint32_t records = data[1];
  // The buffer is the fuzz input; pointer fields that hold small numbers are
  // made to point into it, so that walks reach names as well as wild pointers.
  std::vector<std::uint8_t> buffer(data + 2, data + size);
  const std::size_t stride = level == 4 ? morvane::settings::kPrinterInfo4RecordSize
                                        : morvane::settings::kPrinterInfo5RecordSize;
  for (std::size_t offset = 0; offset + sizeof(std::uintptr_t) <= buffer.size(); offset += stride) {
    std::uintptr_t field = 0;
    std::memcpy(&field, buffer.data() + offset, sizeof(field));
    if (field < buffer.size()) {
      field += reinterpret_cast<std::uintptr_t>(buffer.data());
      std::memcpy(buffer.data() + offset, &field, sizeof(field));
    }
  }
  std::vector<std::string> names;
  morvane::settings::WalkPrinterRecords(buffer, records, level, names);
  for (const std::string& name : names) {
    if (name.size() >= buffer.size()) std::abort();
  }
  return 0;
}
