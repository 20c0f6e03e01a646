#pragma once

#include <utility>

namespace morvane::base {

// Runs an action when the scope ends, however it ends: a run uses it so that
// the busy state, the cursor and the list are always put right.
template <typename Action>
class ScopeExit {
 public:
  explicit ScopeExit(Action action) : action_(std::move(action)) {}
  ~ScopeExit() { action_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  Action action_;
};

}  // namespace morvane::base
