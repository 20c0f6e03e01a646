#pragma once

#include <string>

#include "output/lpd_job_numbers.h"
#include "platform/registry.h"

namespace morvane::settings {

// Under the current user's root.
inline constexpr const auto& kRegistryKeyPath = output::kProgramRegistryKeyPath;
inline constexpr char kExtendedModeValueName[] = "EXTENDEDMODE";
inline constexpr char kLastPrinterValueName[] = "LASTPRINTER";

// Updates each of the two values that the registry holds and leaves the other
// as it was. True only when the key opened and both values were read.
bool ReadRegistryState(platform::Registry& registry, bool& extendedMode, std::string& printerName);

// Stores both values, creating the key when it is missing. True when both were
// written.
bool WriteRegistryState(platform::Registry& registry, bool extendedMode,
                        const std::string& printerName);

}  // namespace morvane::settings
