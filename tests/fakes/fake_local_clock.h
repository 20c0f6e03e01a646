#pragma once

#include <string>

#include "platform/local_clock.h"

namespace morvane::fakes {

// A clock that always shows the same moment, and counts how often its text is read.
class FakeLocalClock final : public platform::LocalClock {
 public:
  platform::LocalTime Now() override { return now; }
  std::string DateTimeText() override {
    ++reads;
    return text;
  }
  platform::LocalTime now{2024, 3, 5, 14, 7, 9};
  std::string text = "5-3-2024 14:07:09";
  int reads = 0;
};

}  // namespace morvane::fakes
