#pragma once

#include <string>

#include "platform/msg.h"
#include "platform/screen_cursor.h"

namespace morvane::output {

// Where a run's warnings go besides the run's own record of them.
enum class WarningRoute {
  // Each to the user in a warning box.
  Boxes,
  // To nobody: the run is unattended, and its caller reads what happened from
  // the run's record (the exit status and the log of a batch run).
  Quiet,
};

// Where the warnings of a run go. On the Boxes route each goes to the user in
// a warning box: the run shows the hourglass for its whole length; a box shows
// the arrow while it waits for the user, and the hourglass comes back once it
// is answered, for the run goes on. On either route the sink remembers the
// last warning until the run takes it.
class MessageSink {
 public:
  MessageSink(platform::Msg& msg, platform::ScreenCursor& cursor,
              WarningRoute route = WarningRoute::Boxes)
      : msg_(msg), cursor_(cursor), route_(route) {}

  // Text and caption up to their first zero byte, as a box can show them.
  void Warn(const std::string& text, const std::string& caption);

  // The text of the last warning since the previous call, empty when none
  // came; it is forgotten.
  std::string TakeWarning();

 private:
  platform::Msg& msg_;
  platform::ScreenCursor& cursor_;
  WarningRoute route_;
  std::string lastWarning_;
};

}  // namespace morvane::output
