#pragma once

namespace morvane::output {

// The user's word that a run is to stop. It is given while the run hands the
// window its messages, and the copies look at it whenever they come back
// from doing so: the copy in progress is cut off and no further copy starts.
class RunStop {
 public:
  bool Requested() const { return requested_; }
  void Request() { requested_ = true; }

 private:
  bool requested_ = false;
};

}  // namespace morvane::output
