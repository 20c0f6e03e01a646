#pragma once

namespace morvane::base {

// The mouse cursors the program asks for: over all of its windows while it
// works, or over one control.
enum class Cursor { Default, HourGlass, HandPoint };

}  // namespace morvane::base
