#include "forms/run_progress.h"

#include <algorithm>

#include "base/path_text.h"
#include "forms/prinfile_texts.h"

namespace morvane::forms {
namespace {

constexpr int kWholePercent = 100;

}  // namespace

std::string RunProgress::Text(std::int64_t copy, std::int64_t copies, const std::string& fileName,
                              int percent) {
  return texts::kProgressPrefix + std::to_string(copy) + texts::kProgressOf +
         std::to_string(copies) + texts::kProgressSeparator + fileName + texts::kProgressSeparator +
         std::to_string(percent) + texts::kProgressPercent;
}

void RunProgress::StartCopy(const std::string& path) {
  ++copy_;
  // The list can grow during a run; the count never falls behind the copy.
  copies_ = std::max(copies_, copy_);
  fileName_ = base::NameOf(path);
  Show(0);
}

void RunProgress::CopyAdvanced(std::uint64_t bytesSent, std::uint64_t fileSize) {
  if (clock_.Microseconds() - shownAt_ < kRefreshMicroseconds) return;
  const std::uint64_t share = fileSize == 0 ? kWholePercent : bytesSent * kWholePercent / fileSize;
  Show(static_cast<int>(std::min<std::uint64_t>(share, kWholePercent)));
}

void RunProgress::NoteClosing() {
  closing_ = true;
  if (copy_ > 0) Show(lastPercent_);
}

void RunProgress::Show(int percent) {
  lastPercent_ = percent;
  shownAt_ = clock_.Microseconds();
  std::string text = Text(copy_, copies_, fileName_, percent) + texts::kStopKeyHint;
  if (closing_) text += texts::kClosesAfterRun;
  hintBar_.SetText(text);
}

}  // namespace morvane::forms
