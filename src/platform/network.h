#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_system.h"

namespace morvane::platform {

// Why a network call failed, for a message that names the cause.
enum class NetworkFailure {
  None,
  // The host's name does not resolve to any address.
  NameNotFound,
  // The host answered that nothing listens on the port.
  Refused,
  // No answer in the time given: to the connection, to a read, or to the
  // name's lookup.
  NoAnswer,
  // The peer broke the connection off.
  Reset,
  // The peer closed its end while bytes were still on their way to it.
  ClosedEarly,
  // The wait was told to stop.
  Cancelled,
  // Anything else; the system's number says what.
  Other,
};

struct NetworkError {
  NetworkFailure cause = NetworkFailure::None;
  // The system's own error number, 0 when it gave none.
  int systemError = 0;
};

// The size of the blocks a copy hands to Send. Each send is a trip to the
// system (under Wine, to its server) and each wait for room a look at the
// socket's events, so a large block keeps the copy at the loopback's pace.
inline constexpr std::uint32_t kNetworkBlockSize = 256 * 1024;

// An open TCP connection. Every wait on the peer goes on handling the thread's
// windows: `wait` is told of every message that comes meanwhile, and its false
// ends the call with NetworkFailure::Cancelled (DeviceAbandoned is never
// called; a connection can always be cut off at once). The destructor cuts
// the connection off unless Close was called. A connection ends before the
// network that made it.
class Connection {
 public:
  virtual ~Connection() = default;
  // Sends every byte, waiting as long as the peer takes to read them, as a
  // port's write waits for its device. After a failure it is unknown how much
  // the peer took: the connection is only to be cut off.
  virtual bool Send(const void* data, std::uint32_t size, WriteWait& wait, NetworkError& error) = 0;
  // Tells the peer that nothing more will come; reading goes on.
  virtual bool ShutdownSending(NetworkError& error) = 0;
  // Reads what the peer has sent, up to size bytes, waiting at most timeout
  // for the first (no wait at all when it is 0). received is 0 once the peer
  // has closed its sending side.
  virtual bool Receive(void* buffer, std::uint32_t size, std::uint32_t& received,
                       int timeoutMilliseconds, WriteWait& wait, NetworkError& error) = 0;
  // Closes the connection in order: what was sent still reaches the peer.
  virtual void Close() = 0;
  // Breaks the connection off at once (the peer sees a reset); what has not
  // reached the peer yet is dropped.
  virtual void CutOff() = 0;
};

class Network {
 public:
  virtual ~Network() = default;
  // Connects to port on host: a name, an IPv4 address, or an IPv6 address
  // with or without its brackets. Each of the name's addresses is tried in
  // turn until one answers, all within timeout. Null on failure, which error
  // describes.
  virtual std::unique_ptr<Connection> Connect(const std::string& host, std::uint16_t port,
                                              int timeoutMilliseconds, WriteWait& wait,
                                              NetworkError& error) = 0;
};

}  // namespace morvane::platform
