#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace morvane::output {

// A byte string written to its target exactly as stored: no terminator, no
// escapes, no conversion.
using ControlString = std::string;

// The six output targets in their fixed order; the order numbers the target
// buttons and the drop hit-test codes 1 to 6.
enum class OutputTarget { Lpt1, Lpt2, Lpt3, Com1, Com2, Win };

inline constexpr std::size_t kTargetCount = 6;
inline constexpr std::size_t kControlStringCount = 2 * kTargetCount;

// The twelve control strings in their one canonical order: targets in the order
// above, INIT before EXIT. The control-string file and the setup dialog share it.
using ControlStrings = std::array<ControlString, kControlStringCount>;

inline constexpr std::size_t InitIndex(OutputTarget target) {
  return 2 * static_cast<std::size_t>(target);
}
inline constexpr std::size_t ExitIndex(OutputTarget target) { return InitIndex(target) + 1; }

// The name a device target is opened by; empty for the Windows printer.
const char* DeviceName(OutputTarget target);

}  // namespace morvane::output
