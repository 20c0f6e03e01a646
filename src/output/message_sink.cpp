#include "output/message_sink.h"

#include <utility>

#include "platform/hour_glass.h"

namespace morvane::output {

void MessageSink::Warn(const std::string& text, const std::string& caption) {
  Show(text, caption, stopOffer_ && stopOffer_->copiesFollow());
}

void MessageSink::Note(const std::string& text, const std::string& caption) {
  Show(text, caption, false);
}

void MessageSink::Show(const std::string& text, const std::string& caption, bool offerStop) {
  lastWarning_ = text.substr(0, text.find('\0'));
  if (route_ == WarningRoute::Quiet) return;
  platform::HourGlass::ShowArrow(cursor_);
  if (!offerStop) {
    msg_.ShowWarningStr(text, caption);
  } else if (!msg_.ShowStoppableWarning(text, caption)) {
    stopOffer_->stop.Request();
  }
  platform::HourGlass::Show(cursor_);
}

std::string MessageSink::TakeWarning() { return std::exchange(lastWarning_, {}); }

}  // namespace morvane::output
