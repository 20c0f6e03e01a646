#pragma once

#include <cstdint>

#include "output/output_services.h"

namespace morvane::output {

// The copy loops look at the message queue on a clock, not after every
// block. Every look is a round trip to the window server under Wine (about
// 60 µs), which after each 1 KiB block cost 95% of a fast run and bought
// nothing a person can see. A look once 4 ms have passed keeps the window
// answering as promptly as before, and a block whose write alone takes that
// long (any real port at its own speed, or a stalled one) is still followed
// by a dispatch, as every block used to be.
inline constexpr std::int64_t kDispatchIntervalMicroseconds = 4000;

// Paces the dispatches of one copy, tells the run's progress how far the copy
// has come whenever it dispatches, and says when the user has stopped the run.
// A write that waits for its device dispatches whenever messages come.
class CopyPacer final : public platform::WriteWait {
 public:
  // The source's size is asked only when someone watches the progress.
  CopyPacer(const OutputServices& services, platform::File& source)
      : services_(services),
        fileSize_(services.progress ? source.Size() : 0),
        lastDispatch_(services.clock.Microseconds()) {}

  // After each block: one reading of the clock, and a dispatch when due.
  // False when the run has been stopped meanwhile.
  bool BlockSent(std::uint32_t bytes) {
    sent_ += bytes;
    const std::int64_t now = services_.clock.Microseconds();
    if (now - lastDispatch_ < kDispatchIntervalMicroseconds) return true;
    lastDispatch_ = now;
    if (services_.progress) services_.progress->CopyAdvanced(sent_, fileSize_);
    services_.pump.ProcessMessages();
    return !Stopped();
  }

  bool MessagesArrived() override {
    services_.pump.ProcessMessages();
    return !Stopped();
  }

  void DeviceAbandoned() override { abandoned_ = true; }

  bool Stopped() const { return services_.stop && services_.stop->Requested(); }
  // The device was given up on a write that did not end.
  bool Abandoned() const { return abandoned_; }

 private:
  const OutputServices& services_;
  std::uint64_t fileSize_;
  std::uint64_t sent_ = 0;
  std::int64_t lastDispatch_;
  bool abandoned_ = false;
};

}  // namespace morvane::output
