#pragma once

#include "platform/registry.h"

namespace morvane::output {

// The program's key under the current user's root, where the settings keep
// their state too.
inline constexpr char kProgramRegistryKeyPath[] = "software\\tqv\\morvane";
// The last LPD job number used, as decimal text.
inline constexpr char kLpdJobNumberValueName[] = "LPDJOBNUMBER";

// The number of the next LPD job: the one after the last one used, which it
// then becomes. The last one is kept in the program's key, so that a print
// server that still holds a job of an earlier run gets no second job of that
// number from the next one; without the key the numbers start at 0.
int TakeLpdJobNumber(platform::Registry& registry);

}  // namespace morvane::output
