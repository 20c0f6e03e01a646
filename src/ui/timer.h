#pragma once

#include <functional>

namespace morvane::ui {

// Fires its event every Interval milliseconds while enabled. Not a control: the
// form that owns it runs it, and a headless driver calls Fire.
class Timer {
 public:
  class Peer {
   public:
    virtual ~Peer() = default;
    virtual void Changed() = 0;
  };

  int Interval() const { return interval_; }
  void SetInterval(int milliseconds) {
    interval_ = milliseconds;
    if (peer_) peer_->Changed();
  }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    if (peer_) peer_->Changed();
  }

  void Fire() {
    if (enabled_ && OnTimer) OnTimer();
  }
  std::function<void()> OnTimer;

  void AttachPeer(Peer* peer) { peer_ = peer; }

 private:
  int interval_ = 1000;
  bool enabled_ = true;
  Peer* peer_ = nullptr;
};

}  // namespace morvane::ui
