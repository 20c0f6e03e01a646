#include "output/message_sink.h"

#include "platform/hour_glass.h"

namespace morvane::output {

void MessageSink::Warn(const std::string& text, const std::string& caption) {
  platform::HourGlass::ShowArrow(cursor_);
  msg_.ShowWarningStr(text, caption);
  platform::HourGlass::Show(cursor_);
}

}  // namespace morvane::output
