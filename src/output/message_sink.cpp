#include "output/message_sink.h"

#include <utility>

#include "platform/hour_glass.h"

namespace morvane::output {

void MessageSink::Warn(const std::string& text, const std::string& caption) {
  lastWarning_ = text.substr(0, text.find('\0'));
  if (route_ == WarningRoute::Quiet) return;
  platform::HourGlass::ShowArrow(cursor_);
  msg_.ShowWarningStr(text, caption);
  platform::HourGlass::Show(cursor_);
}

std::string MessageSink::TakeWarning() { return std::exchange(lastWarning_, {}); }

}  // namespace morvane::output
