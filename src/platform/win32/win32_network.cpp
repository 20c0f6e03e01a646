#include "platform/win32/win32_network.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <climits>

#include "platform/win32/address_lookup.h"
#include "platform/win32/window_answering_wait.h"

namespace morvane::platform::win32 {
namespace {

constexpr long kSocketEvents = FD_CONNECT | FD_READ | FD_WRITE | FD_CLOSE;

bool IsBreak(int code) {
  return code == WSAECONNRESET || code == WSAECONNABORTED || code == WSAENETRESET ||
         code == WSAESHUTDOWN;
}

NetworkError ConnectFailure(int code) {
  switch (code) {
    case WSAECONNREFUSED:
      return {NetworkFailure::Refused, code};
    case WSAETIMEDOUT:
    case WSAEHOSTUNREACH:
    case WSAENETUNREACH:
      return {NetworkFailure::NoAnswer, code};
    default:
      return {NetworkFailure::Other, code};
  }
}

class Win32Connection final : public Connection {
 public:
  Win32Connection(SOCKET socket, WSAEVENT event, MonotonicClock& clock)
      : socket_(socket), event_(event), clock_(clock) {}
  ~Win32Connection() override {
    if (socket_ != INVALID_SOCKET) CutOff();
  }
  Win32Connection(const Win32Connection&) = delete;
  Win32Connection& operator=(const Win32Connection&) = delete;

  bool Send(const void* data, std::uint32_t size, WriteWait& wait, NetworkError& error) override {
    error = {};
    if (socket_ == INVALID_SOCKET) return Fail({NetworkFailure::Other, WSAENOTSOCK}, error);
    WindowAnsweringWait waiter(clock_, wait);
    const char* next = static_cast<const char*>(data);
    std::uint32_t left = size;
    while (left > 0) {
      const int chunk = left > INT_MAX ? INT_MAX : static_cast<int>(left);
      const int sent = send(socket_, next, chunk, 0);
      if (sent != SOCKET_ERROR) {
        next += sent;
        left -= static_cast<std::uint32_t>(sent);
        continue;
      }
      const int code = WSAGetLastError();
      if (code != WSAEWOULDBLOCK) return Fail(BreakFailure(code), error);
      if (!AwaitEvents(waiter, kNoDeadline, error)) return false;
      // The peer is done while bytes are still meant for it.
      if (peerClosed_) return Fail(PeerClosedFailure(), error);
    }
    return true;
  }

  bool ShutdownSending(NetworkError& error) override {
    error = {};
    if (socket_ != INVALID_SOCKET && shutdown(socket_, SD_SEND) == 0) return true;
    return Fail(BreakFailure(socket_ == INVALID_SOCKET ? WSAENOTSOCK : WSAGetLastError()), error);
  }

  bool Receive(void* buffer, std::uint32_t size, std::uint32_t& received, int timeoutMilliseconds,
               WriteWait& wait, NetworkError& error) override {
    error = {};
    received = 0;
    if (socket_ == INVALID_SOCKET) return Fail({NetworkFailure::Other, WSAENOTSOCK}, error);
    WindowAnsweringWait waiter(clock_, wait);
    const std::int64_t deadline = DeadlineAfter(clock_, timeoutMilliseconds);
    const int chunk = size > INT_MAX ? INT_MAX : static_cast<int>(size);
    for (;;) {
      const int count = recv(socket_, static_cast<char*>(buffer), chunk, 0);
      // The system tells a reset once: when the look at a close met it
      // first, recv then reads an end as if the close had been orderly.
      if (count == 0 && closeError_ != 0) {
        return Fail({NetworkFailure::Reset, closeError_}, error);
      }
      if (count != SOCKET_ERROR) {
        received = static_cast<std::uint32_t>(count);
        return true;
      }
      const int code = WSAGetLastError();
      if (code != WSAEWOULDBLOCK) return Fail(BreakFailure(code), error);
      if (!AwaitEvents(waiter, deadline, error)) return false;
    }
  }

  void Close() override {
    if (socket_ == INVALID_SOCKET) return;
    closesocket(socket_);
    Release();
  }

  void CutOff() override {
    if (socket_ == INVALID_SOCKET) return;
    // No lingering: the system drops what is unsent and resets the
    // connection at once.
    const linger abrupt{1, 0};
    setsockopt(socket_, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abrupt),
               sizeof abrupt);
    closesocket(socket_);
    Release();
  }

  // Waits for the outcome of a connect begun on the socket.
  bool AwaitConnected(WindowAnsweringWait& waiter, std::int64_t deadline, NetworkError& error) {
    while (!connectEnded_) {
      if (!AwaitEvents(waiter, deadline, error)) return false;
    }
    if (connectError_ == 0) return true;
    error = ConnectFailure(connectError_);
    return false;
  }

 private:
  static bool Fail(NetworkError failure, NetworkError& error) {
    error = failure;
    return false;
  }

  // Waits for the socket's next events and takes note of them.
  bool AwaitEvents(WindowAnsweringWait& waiter, std::int64_t deadline, NetworkError& error) {
    switch (waiter.Until(event_, deadline)) {
      case WaitEnd::Signalled:
        return TakeEvents(error);
      case WaitEnd::TimedOut:
        return Fail({NetworkFailure::NoAnswer, WSAETIMEDOUT}, error);
      case WaitEnd::Cancelled:
        return Fail({NetworkFailure::Cancelled, 0}, error);
      case WaitEnd::Failed:
        break;
    }
    return Fail({NetworkFailure::Other, static_cast<int>(GetLastError())}, error);
  }

  bool TakeEvents(NetworkError& error) {
    WSANETWORKEVENTS events{};
    if (WSAEnumNetworkEvents(socket_, event_, &events) != 0) {
      return Fail({NetworkFailure::Other, WSAGetLastError()}, error);
    }
    if (events.lNetworkEvents & FD_CONNECT) {
      connectEnded_ = true;
      connectError_ = events.iErrorCode[FD_CONNECT_BIT];
    }
    if (events.lNetworkEvents & FD_CLOSE) {
      peerClosed_ = true;
      closeError_ = events.iErrorCode[FD_CLOSE_BIT];
      // Wine reports a reset as an orderly close; a look at what there is to
      // read tells them apart, and leaves it there.
      char next = 0;
      if (closeError_ == 0 && recv(socket_, &next, 1, MSG_PEEK) == SOCKET_ERROR &&
          WSAGetLastError() != WSAEWOULDBLOCK) {
        closeError_ = WSAGetLastError();
      }
    }
    return true;
  }

  NetworkError PeerClosedFailure() const {
    if (closeError_ != 0) return {NetworkFailure::Reset, closeError_};
    return {NetworkFailure::ClosedEarly, 0};
  }

  // A send or read broken off. A close of the peer's seen before is the
  // cause, the reset that follows it only its echo.
  NetworkError BreakFailure(int code) const {
    if (IsBreak(code)) {
      if (peerClosed_ && closeError_ == 0) return {NetworkFailure::ClosedEarly, code};
      return {NetworkFailure::Reset, code};
    }
    if (code == WSAETIMEDOUT) return {NetworkFailure::NoAnswer, code};
    return {NetworkFailure::Other, code};
  }

  void Release() {
    socket_ = INVALID_SOCKET;
    WSACloseEvent(event_);
    event_ = WSA_INVALID_EVENT;
  }

  SOCKET socket_;
  WSAEVENT event_;
  MonotonicClock& clock_;
  bool connectEnded_ = false;
  int connectError_ = 0;
  bool peerClosed_ = false;
  int closeError_ = 0;
};

// A connection to one address, or null.
std::unique_ptr<Win32Connection> ConnectTo(const ADDRINFOW& address, MonotonicClock& clock,
                                           WindowAnsweringWait& waiter, std::int64_t deadline,
                                           NetworkError& error) {
  const SOCKET socket = ::socket(address.ai_family, address.ai_socktype, address.ai_protocol);
  if (socket == INVALID_SOCKET) {
    error = {NetworkFailure::Other, WSAGetLastError()};
    return nullptr;
  }
  const WSAEVENT event = WSACreateEvent();
  if (event == WSA_INVALID_EVENT) {
    error = {NetworkFailure::Other, WSAGetLastError()};
    closesocket(socket);
    return nullptr;
  }
  auto connection = std::make_unique<Win32Connection>(socket, event, clock);
  // The selection makes the socket non-blocking.
  if (WSAEventSelect(socket, event, kSocketEvents) != 0) {
    error = {NetworkFailure::Other, WSAGetLastError()};
    return nullptr;
  }
  // The small exchanges of the printer protocols wait for no coalescing.
  const BOOL noDelay = TRUE;
  setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay),
             sizeof noDelay);
  if (connect(socket, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0) {
    return connection;
  }
  const int code = WSAGetLastError();
  if (code != WSAEWOULDBLOCK) {
    error = ConnectFailure(code);
    return nullptr;
  }
  if (!connection->AwaitConnected(waiter, deadline, error)) return nullptr;
  return connection;
}

}  // namespace

Win32Network::Win32Network() {
  WSADATA data;
  startupError_ = WSAStartup(MAKEWORD(2, 2), &data);
}

Win32Network::~Win32Network() {
  if (startupError_ == 0) WSACleanup();
}

std::unique_ptr<Connection> Win32Network::Connect(const std::string& host, std::uint16_t port,
                                                  int timeoutMilliseconds, WriteWait& wait,
                                                  NetworkError& error) {
  error = {};
  if (startupError_ != 0) {
    error = {NetworkFailure::Other, startupError_};
    return nullptr;
  }
  WindowAnsweringWait waiter(clock_, wait);
  const std::int64_t deadline = DeadlineAfter(clock_, timeoutMilliseconds);
  const AddressList addresses = LookUpAddresses(host, port, waiter, deadline, error);
  const int count = addresses.Count();
  int tried = 0;
  for (const ADDRINFOW* address = addresses.First(); address; address = address->ai_next) {
    // Each address gets its share of the time left, so that one that never
    // answers leaves time for the next.
    const std::int64_t now = clock_.Microseconds();
    const std::int64_t share = deadline > now ? (deadline - now) / (count - tried) : 0;
    ++tried;
    std::unique_ptr<Win32Connection> connection =
        ConnectTo(*address, clock_, waiter, now + share, error);
    if (connection) {
      error = {};
      return connection;
    }
    if (error.cause == NetworkFailure::Cancelled) break;
  }
  return nullptr;
}

}  // namespace morvane::platform::win32
