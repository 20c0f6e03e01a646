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

// The end of a copy that a control string frames.
enum class ControlEnd { Init, Exit };

inline constexpr std::size_t kTargetCount = 6;
inline constexpr std::size_t kControlStringCount = 2 * kTargetCount;

// Where one control string belongs.
struct ControlStringKey {
  OutputTarget target;
  ControlEnd end;
};

// Every key in the one order of the control strings: the targets in the order
// above, INIT before EXIT. It is the order of the control-string file's lines.
inline constexpr std::array<ControlStringKey, kControlStringCount> kControlStringKeys = {{
    {OutputTarget::Lpt1, ControlEnd::Init},
    {OutputTarget::Lpt1, ControlEnd::Exit},
    {OutputTarget::Lpt2, ControlEnd::Init},
    {OutputTarget::Lpt2, ControlEnd::Exit},
    {OutputTarget::Lpt3, ControlEnd::Init},
    {OutputTarget::Lpt3, ControlEnd::Exit},
    {OutputTarget::Com1, ControlEnd::Init},
    {OutputTarget::Com1, ControlEnd::Exit},
    {OutputTarget::Com2, ControlEnd::Init},
    {OutputTarget::Com2, ControlEnd::Exit},
    {OutputTarget::Win, ControlEnd::Init},
    {OutputTarget::Win, ControlEnd::Exit},
}};

// The twelve control strings, one table keyed by target and end. The main
// window, the control-string file and the setup dialog all reach the strings
// through it; walked by position, it follows kControlStringKeys.
class ControlStrings {
 public:
  ControlString& At(OutputTarget target, ControlEnd end) { return strings_[Position(target, end)]; }
  const ControlString& At(OutputTarget target, ControlEnd end) const {
    return strings_[Position(target, end)];
  }
  ControlString& operator[](const ControlStringKey& key) { return At(key.target, key.end); }
  const ControlString& operator[](const ControlStringKey& key) const {
    return At(key.target, key.end);
  }
  ControlString& Init(OutputTarget target) { return At(target, ControlEnd::Init); }
  ControlString& Exit(OutputTarget target) { return At(target, ControlEnd::Exit); }
  const ControlString& Init(OutputTarget target) const { return At(target, ControlEnd::Init); }
  const ControlString& Exit(OutputTarget target) const { return At(target, ControlEnd::Exit); }

  // By position in the order of kControlStringKeys, as the file's lines are.
  ControlString& operator[](std::size_t position) { return strings_[position]; }
  const ControlString& operator[](std::size_t position) const { return strings_[position]; }
  static constexpr std::size_t size() { return kControlStringCount; }
  auto begin() { return strings_.begin(); }
  auto end() { return strings_.end(); }
  auto begin() const { return strings_.begin(); }
  auto end() const { return strings_.end(); }
  void fill(const ControlString& text) { strings_.fill(text); }

  bool operator==(const ControlStrings&) const = default;

 private:
  // The place of a key in kControlStringKeys: the list is the one statement
  // of the order.
  static constexpr std::size_t Position(OutputTarget target, ControlEnd end) {
    std::size_t position = 0;
    while (kControlStringKeys[position].target != target ||
           kControlStringKeys[position].end != end) {
      ++position;
    }
    return position;
  }

  std::array<ControlString, kControlStringCount> strings_{};
};

// The name a device target is opened by; empty for the Windows printer.
const char* DeviceName(OutputTarget target);

}  // namespace morvane::output
