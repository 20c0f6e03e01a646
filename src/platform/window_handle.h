#pragma once

#include <cstdint>

namespace morvane::platform {

// A window of the platform, as an opaque number. 0 means "no window"; headless
// builds of the forms never get anything else.
using WindowHandle = std::intptr_t;

}  // namespace morvane::platform
