#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/printer_setup.h"
#include "platform/spooler.h"
#include "platform/system_info.h"

namespace morvane::settings {

// A record's size, padded for the pointer fields of the next record.
constexpr std::size_t PointerAlignedRecordSize(std::size_t fields) {
  return (fields + alignof(void*) - 1) / alignof(void*) * alignof(void*);
}

// Record sizes of PRINTER_INFO_4 (two names and the attributes) and
// PRINTER_INFO_5 (two names and three numbers) as the platform lays them out
// for this build: 12 and 20 bytes on 32-bit Windows, 24 and 32 on 64-bit.
// Each record's first field points to the printer name.
inline constexpr std::size_t kPrinterInfo4RecordSize =
    PointerAlignedRecordSize(2 * sizeof(void*) + sizeof(std::uint32_t));
inline constexpr std::size_t kPrinterInfo5RecordSize =
    PointerAlignedRecordSize(2 * sizeof(void*) + 3 * sizeof(std::uint32_t));

// Appends the names of a listing's records to names. Only what lies inside
// buffer is read: the walk ends at the first record that doesn't fit in it,
// and a record whose name doesn't lie wholly inside it is skipped. An unknown
// level appends nothing.
void WalkPrinterRecords(std::span<const std::uint8_t> buffer, std::uint32_t recordCount,
                        std::uint32_t level, std::vector<std::string>& names);

// Appends the installed printers' names to list, in the platform's order.
// False when no list was given, nothing is listed or the listing fails.
bool EnumeratePrinterNames(platform::Spooler& spooler, platform::SystemInfo& system,
                           std::vector<std::string>* list);

// The printer selector's items: the installed printers from the platform's
// last to its first; none when the listing fails.
std::vector<std::string> ListPrinterItems(platform::Spooler& spooler, platform::SystemInfo& system);

// The index of the first item equal to name once both are folded; -1 if none.
int FindPrinterItem(const std::vector<std::string>& items, std::string_view name);

// The current printer's whole device name; empty when there is no current printer.
std::string InitialPrinterName(platform::PrinterSetup& setup);

}  // namespace morvane::settings
