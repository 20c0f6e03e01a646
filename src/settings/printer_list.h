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

// Record sizes of PRINTER_INFO_4 and PRINTER_INFO_5 on 32-bit Windows. Each
// record's first field points to the printer name.
inline constexpr std::size_t kPrinterInfo4RecordSize = 12;
inline constexpr std::size_t kPrinterInfo5RecordSize = 20;

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
