#pragma once

#include <string>

#include "platform/msg.h"
#include "platform/screen_cursor.h"

namespace morvane::output {

// Where the warnings of a run go: each to the user in a warning box. The run
// shows the hourglass for its whole length; a box shows the arrow while it
// waits for the user, and the hourglass comes back once it is answered, for
// the run goes on.
class MessageSink {
 public:
  MessageSink(platform::Msg& msg, platform::ScreenCursor& cursor) : msg_(msg), cursor_(cursor) {}

  // Text and caption up to their first zero byte, as a box can show them.
  void Warn(const std::string& text, const std::string& caption);

 private:
  platform::Msg& msg_;
  platform::ScreenCursor& cursor_;
};

}  // namespace morvane::output
