#include "settings/printer_list.h"

#include <algorithm>
#include <cstring>

#include "base/ascii_text.h"

namespace morvane::settings {

namespace {

constexpr std::uint32_t kNtFamilyFlags =
    platform::kPrinterEnumLocal | platform::kPrinterEnumConnections;
constexpr std::uint32_t kWin95FamilyFlags = platform::kPrinterEnumLocal;

static_assert(sizeof(std::uintptr_t) == sizeof(const char*));
static_assert(sizeof(const char*) <= kPrinterInfo4RecordSize);

std::size_t RecordSize(std::uint32_t level) {
  if (level == platform::kPrinterInfoLevel4) return kPrinterInfo4RecordSize;
  if (level == platform::kPrinterInfoLevel5) return kPrinterInfo5RecordSize;
  return 0;
}

}  // namespace

void WalkPrinterRecords(std::span<const std::uint8_t> buffer, std::uint32_t recordCount,
                        std::uint32_t level, std::vector<std::string>& names) {
  const std::size_t recordSize = RecordSize(level);
  if (recordSize == 0) return;
  const std::size_t recordsInBuffer =
      std::min<std::size_t>(recordCount, buffer.size() / recordSize);
  const auto begin = reinterpret_cast<std::uintptr_t>(buffer.data());
  for (std::size_t i = 0; i < recordsInBuffer; ++i) {
    // Records need not be aligned for a pointer, so the field is copied out.
    std::uintptr_t name = 0;
    std::memcpy(&name, buffer.data() + i * recordSize, sizeof name);
    if (name < begin || name - begin >= buffer.size()) continue;
    const std::span<const std::uint8_t> rest = buffer.subspan(name - begin);
    const auto end = std::find(rest.begin(), rest.end(), std::uint8_t{0});
    if (end == rest.end()) continue;
    names.emplace_back(reinterpret_cast<const char*>(rest.data()), end - rest.begin());
  }
}

bool EnumeratePrinterNames(platform::Spooler& spooler, platform::SystemInfo& system,
                           std::vector<std::string>* list) {
  if (list == nullptr) return false;
  const bool ntFamily = system.IsNtFamily();
  const std::uint32_t flags = ntFamily ? kNtFamilyFlags : kWin95FamilyFlags;
  const std::uint32_t level =
      ntFamily ? platform::kPrinterInfoLevel4 : platform::kPrinterInfoLevel5;

  std::uint32_t needed = 0;
  std::uint32_t records = 0;
  spooler.EnumPrinters(flags, level, nullptr, 0, needed, records);
  if (needed == 0) return false;

  std::vector<std::uint8_t> buffer(needed);
  std::uint32_t copied = 0;
  records = 0;
  if (!spooler.EnumPrinters(flags, level, buffer.data(), needed, copied, records)) return false;
  // On success the platform reports the bytes it copied.
  const std::size_t returned = std::min<std::size_t>(copied, buffer.size());
  WalkPrinterRecords(std::span(buffer).first(returned), records, level, *list);
  return true;
}

std::vector<std::string> ListPrinterItems(platform::Spooler& spooler,
                                          platform::SystemInfo& system) {
  std::vector<std::string> names;
  if (!EnumeratePrinterNames(spooler, system, &names)) return {};
  return {names.rbegin(), names.rend()};
}

int FindPrinterItem(const std::vector<std::string>& items, std::string_view name) {
  const std::string foldedName = base::FoldAsciiUpper(name);
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (base::FoldAsciiUpper(items[i]) == foldedName) return static_cast<int>(i);
  }
  return -1;
}

std::string InitialPrinterName(platform::PrinterSetup& setup) {
  std::string name;
  if (!setup.CurrentDeviceName(name)) return {};
  return name;
}

}  // namespace morvane::settings
