#pragma once

#include <cstdint>
#include <string>

#include "output/output_services.h"
#include "platform/monotonic_clock.h"
#include "ui/panel.h"

namespace morvane::forms {

// The hint bar's account of a run: which copy of how many, which file, how
// much of it has gone out, and how to stop the run. Shown at every new copy
// and at most every 100 ms in between.
class RunProgress final : public output::CopyProgress {
 public:
  static constexpr std::int64_t kRefreshMicroseconds = 100000;

  RunProgress(ui::Panel& hintBar, platform::MonotonicClock& clock, std::int64_t plannedCopies)
      : hintBar_(hintBar), clock_(clock), copies_(plannedCopies) {}

  // The next copy of the run starts, of the file at path.
  void StartCopy(const std::string& path);
  void CopyAdvanced(std::uint64_t bytesSent, std::uint64_t fileSize) override;
  // The window will close when the run ends; the hint bar says so.
  void NoteClosing();

  // "Bezig: kopie 3 van 12, voorbeeld.prn, 45%".
  static std::string Text(std::int64_t copy, std::int64_t copies, const std::string& fileName,
                          int percent);

 private:
  void Show(int percent);

  ui::Panel& hintBar_;
  platform::MonotonicClock& clock_;
  std::int64_t copies_;
  std::int64_t copy_ = 0;
  std::string fileName_;
  std::int64_t shownAt_ = 0;
  int lastPercent_ = 0;
  bool closing_ = false;
};

}  // namespace morvane::forms
