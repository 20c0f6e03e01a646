#pragma once

#include <functional>
#include <string>

#include "output/run_stop.h"
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

// Lets the user stop a run from the box of a failed copy, while copies of the
// run are still to come.
struct StopOffer {
  RunStop& stop;
  std::function<bool()> copiesFollow;
};

// Where the warnings of a run go. On the Boxes route each goes to the user in
// a warning box: the run shows the hourglass for its whole length; a box shows
// the arrow while it waits for the user, and the hourglass comes back once it
// is answered, for the run goes on. On either route the sink remembers the
// last warning until the run takes it.
class MessageSink {
 public:
  MessageSink(platform::Msg& msg, platform::ScreenCursor& cursor,
              WarningRoute route = WarningRoute::Boxes, const StopOffer* stopOffer = nullptr)
      : msg_(msg), cursor_(cursor), route_(route), stopOffer_(stopOffer) {}

  // A copy has failed. Text and caption go up to their first zero byte, as a
  // box can show them. While copies of the run follow, the box lets the user
  // stop the run: OK goes on, Cancel stops it.
  void Warn(const std::string& text, const std::string& caption);
  // A warning of the window's own, outside the copies: its box has OK only.
  void Note(const std::string& text, const std::string& caption);

  // The text of the last warning since the previous call, empty when none
  // came; it is forgotten.
  std::string TakeWarning();

  // The run is unattended: no one is there to ask.
  bool Quiet() const { return route_ == WarningRoute::Quiet; }

 private:
  platform::Msg& msg_;
  platform::ScreenCursor& cursor_;
  void Show(const std::string& text, const std::string& caption, bool offerStop);

  WarningRoute route_;
  const StopOffer* stopOffer_;
  std::string lastWarning_;
};

}  // namespace morvane::output
