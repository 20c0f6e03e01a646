#pragma once

#include <cstdint>

namespace morvane::base {

// A window of the platform, as an opaque number. 0 means "no window"; headless
// builds of the forms and controls never get anything else.
using WindowHandle = std::intptr_t;

}  // namespace morvane::base
