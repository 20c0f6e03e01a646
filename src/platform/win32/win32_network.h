#pragma once

#include "platform/network.h"
#include "platform/win32/win32_monotonic_clock.h"

namespace morvane::platform::win32 {

// TCP through Winsock 2: non-blocking sockets whose events are waited for
// together with the thread's messages.
class Win32Network : public Network {
 public:
  Win32Network();
  ~Win32Network() override;
  Win32Network(const Win32Network&) = delete;
  Win32Network& operator=(const Win32Network&) = delete;

  std::unique_ptr<Connection> Connect(const std::string& host, std::uint16_t port,
                                      int timeoutMilliseconds, WriteWait& wait,
                                      NetworkError& error) override;

 private:
  Win32MonotonicClock clock_;
  int startupError_;
};

}  // namespace morvane::platform::win32
