#pragma once

namespace morvane::platform {

class MessagePump {
 public:
  virtual ~MessagePump() = default;
  // Hands every message waiting in the thread's queue to its window and
  // returns when the queue is empty.
  virtual void ProcessMessages() = 0;
  // Waits until a message comes for the thread's windows or the time has
  // passed, then hands every waiting message to its window.
  virtual void WaitForMessages(int milliseconds) = 0;
};

}  // namespace morvane::platform
