// TCP connections through Winsock against listeners of the test's own on the
// loopback addresses, each peer behaving as one kind of printer does.
#include "platform/network.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/win32/win32_network.h"

namespace {

using morvane::platform::Connection;
using morvane::platform::NetworkError;
using morvane::platform::NetworkFailure;
using morvane::platform::win32::Win32Network;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kConnectTimeoutMilliseconds = 10000;
constexpr int kReadTimeoutMilliseconds = 10000;
// A peer that no test reaches in this time has a fault of its own.
constexpr DWORD kPeerWaitMilliseconds = 20000;
constexpr std::uint32_t kBlock = morvane::platform::kNetworkBlockSize;
// Far more than the loopback's buffers hold, so a peer that stops reading
// stalls the sender.
constexpr std::size_t kStallingSize = 64u << 20;
constexpr UINT kTimerMilliseconds = 10;

std::string SampleBytes(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

// Counts the waits' message calls, takes the messages, and cancels at the
// call given.
class CountingWait final : public morvane::platform::WriteWait {
 public:
  explicit CountingWait(int cancelAt = INT_MAX) : cancelAt_(cancelAt) {}
  bool MessagesArrived() override {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    const Clock::time_point now = Clock::now();
    if (calls_ > 0) longestGap_ = std::max(longestGap_, now - lastCall_);
    lastCall_ = now;
    return ++calls_ < cancelAt_;
  }
  void DeviceAbandoned() override {}

  int Calls() const { return calls_; }
  Clock::time_point LastCall() const { return lastCall_; }
  Clock::duration LongestGap() const { return longestGap_; }

 private:
  int cancelAt_;
  int calls_ = 0;
  Clock::time_point lastCall_{};
  Clock::duration longestGap_{};
};

// The loopback address of the family at port; returns its length.
int LoopbackAddress(int family, std::uint16_t port, sockaddr_storage& address) {
  address = {};
  if (family == AF_INET6) {
    auto* v6 = reinterpret_cast<sockaddr_in6*>(&address);
    v6->sin6_family = AF_INET6;
    v6->sin6_addr = in6addr_loopback;
    v6->sin6_port = htons(port);
    return sizeof *v6;
  }
  auto* v4 = reinterpret_cast<sockaddr_in*>(&address);
  v4->sin_family = AF_INET;
  v4->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  v4->sin_port = htons(port);
  return sizeof *v4;
}

// A listener on a loopback address whose one peer runs on a thread of its
// own, with blocking sockets. What the peer shares with the test is to be
// made before the listener, which waits for the peer when it goes.
class Listener {
 public:
  // Listens, unless listens is false: the port is then bound and refuses.
  explicit Listener(int family, bool listens = true) : family_(family) {
    WSADATA data;
    started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
    socket_ = socket(family, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_storage address{};
    int length = LoopbackAddress(family, 0, address);
    bound_ = bind(socket_, reinterpret_cast<sockaddr*>(&address), length) == 0 &&
             getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) == 0 &&
             (!listens || listen(socket_, 1) == 0);
    // Both families keep the port at the same place.
    port_ = ntohs(reinterpret_cast<sockaddr_in*>(&address)->sin_port);
  }
  ~Listener() {
    if (peer_.joinable()) peer_.join();
    closesocket(socket_);
    if (started_) WSACleanup();
  }

  bool Ready() const { return bound_; }
  std::uint16_t Port() const { return port_; }
  std::string Host() const { return family_ == AF_INET6 ? "::1" : "127.0.0.1"; }

  // Accepts one connection and hands it to serve, which closes it when it
  // makes it INVALID_SOCKET; else it is closed after serve.
  void Serve(const std::function<void(SOCKET&)>& serve) {
    peer_ = std::thread([this, serve] {
      fd_set ready;
      FD_ZERO(&ready);
      FD_SET(socket_, &ready);
      timeval bound{static_cast<long>(kPeerWaitMilliseconds / 1000), 0};
      if (select(0, &ready, nullptr, nullptr, &bound) != 1) return;
      SOCKET peer = accept(socket_, nullptr, nullptr);
      if (peer == INVALID_SOCKET) return;
      // No read or write of the peer blocks past the bound.
      const DWORD timeout = kPeerWaitMilliseconds;
      setsockopt(peer, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout),
                 sizeof timeout);
      serve(peer);
      if (peer != INVALID_SOCKET) closesocket(peer);
    });
  }
  void Join() {
    if (peer_.joinable()) peer_.join();
  }

 private:
  int family_;
  bool started_ = false;
  SOCKET socket_ = INVALID_SOCKET;
  bool bound_ = false;
  std::uint16_t port_ = 0;
  std::thread peer_;
};

// Reads until the sender closes or the connection breaks; false on a break.
bool ReadToEnd(SOCKET peer, std::string& received, std::size_t limit = SIZE_MAX) {
  std::string buffer(kBlock, '\0');
  while (received.size() < limit) {
    const int want =
        static_cast<int>(std::min<std::size_t>(buffer.size(), limit - received.size()));
    const int count = recv(peer, buffer.data(), want, 0);
    if (count == 0) return true;
    if (count < 0) return false;
    received.append(buffer.data(), static_cast<std::size_t>(count));
  }
  return true;
}

bool SendInBlocks(Connection& connection, const std::string& bytes, CountingWait& wait,
                  NetworkError& error) {
  for (std::size_t at = 0; at < bytes.size(); at += kBlock) {
    const auto size = static_cast<std::uint32_t>(std::min<std::size_t>(kBlock, bytes.size() - at));
    if (!connection.Send(bytes.data() + at, size, wait, error)) return false;
  }
  return true;
}

class Win32NetworkTest : public ::testing::TestWithParam<int> {
 protected:
  std::unique_ptr<Connection> ConnectTo(const Listener& listener, NetworkError& error) {
    return network_.Connect(listener.Host(), listener.Port(), kConnectTimeoutMilliseconds, wait_,
                            error);
  }

  Win32Network network_;
  CountingWait wait_;
};

TEST_P(Win32NetworkTest, BytesArriveExactlyAndTheReplyIsReadAfterTheHalfCloseToThePeersClose) {
  const std::string reply = "\x1b%-12345X@PJL INFO STATUS\r\n";
  std::string received;
  std::atomic<bool> readWhole{false};
  Listener listener(GetParam());
  ASSERT_TRUE(listener.Ready());
  listener.Serve([&](SOCKET& peer) {
    readWhole = ReadToEnd(peer, received);
    send(peer, reply.data(), static_cast<int>(reply.size()), 0);
    shutdown(peer, SD_SEND);
  });
  // Blocks of the copy's size, and a control string's few bytes around them.
  const std::string body = SampleBytes(3 * kBlock + 12345);
  const std::string expected = "INIT\x1b" + body +
                               "\x0c"
                               "EXIT";
  NetworkError error;
  std::unique_ptr<Connection> connection = ConnectTo(listener, error);
  ASSERT_TRUE(connection) << static_cast<int>(error.cause) << " " << error.systemError;

  ASSERT_TRUE(connection->Send("INIT\x1b", 5, wait_, error)) << error.systemError;
  ASSERT_TRUE(SendInBlocks(*connection, body, wait_, error)) << error.systemError;
  ASSERT_TRUE(
      connection->Send("\x0c"
                       "EXIT",
                       5, wait_, error))
      << error.systemError;
  // Nothing comes back before the end, so a bounded read ends empty-handed.
  char buffer[256];
  std::uint32_t count = 0;
  EXPECT_FALSE(connection->Receive(buffer, sizeof buffer, count, 100, wait_, error));
  EXPECT_EQ(error.cause, NetworkFailure::NoAnswer);
  ASSERT_TRUE(connection->ShutdownSending(error)) << error.systemError;
  std::string answered;
  for (int read = 0; read < 1000; ++read) {
    ASSERT_TRUE(
        connection->Receive(buffer, sizeof buffer, count, kReadTimeoutMilliseconds, wait_, error))
        << static_cast<int>(error.cause) << " " << error.systemError;
    if (count == 0) break;
    answered.append(buffer, count);
  }
  connection->Close();
  listener.Join();

  EXPECT_TRUE(readWhole);
  ASSERT_EQ(received.size(), expected.size());
  EXPECT_TRUE(received == expected) << "the peer received other bytes than were sent";
  EXPECT_EQ(answered, reply);
}

TEST_P(Win32NetworkTest, AClosedPortRefusesAtOnce) {
  Listener bound(GetParam(), false);
  ASSERT_TRUE(bound.Ready());
  NetworkError error;
  const Clock::time_point start = Clock::now();

  EXPECT_FALSE(
      network_.Connect(bound.Host(), bound.Port(), kConnectTimeoutMilliseconds, wait_, error));

  EXPECT_EQ(error.cause, NetworkFailure::Refused) << error.systemError;
  EXPECT_EQ(error.systemError, WSAECONNREFUSED);
  EXPECT_LT(Clock::now() - start, 5s);
}

// Fills the listener's queue of connections not yet taken, so that the next
// one is never answered; false when the queue does not fill.
bool FillAcceptQueue(const Listener& listener, std::vector<SOCKET>& fillers, int family) {
  constexpr int kMaxFillers = 16;
  constexpr long kAnswerMicroseconds = 200000;
  sockaddr_storage address{};
  const int length = LoopbackAddress(family, listener.Port(), address);
  for (int filler = 0; filler < kMaxFillers; ++filler) {
    const SOCKET socket = ::socket(family, SOCK_STREAM, IPPROTO_TCP);
    fillers.push_back(socket);
    u_long nonBlocking = 1;
    ioctlsocket(socket, FIONBIO, &nonBlocking);
    // A connect in progress, or one answered at once.
    static_cast<void>(connect(socket, reinterpret_cast<sockaddr*>(&address), length));
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(socket, &ready);
    timeval answer{0, kAnswerMicroseconds};
    if (select(0, nullptr, &ready, nullptr, &answer) == 0) return true;
  }
  return false;
}

TEST_P(Win32NetworkTest, AHostThatDoesNotAnswerEndsTheConnectAtItsBoundOrAtACancel) {
  constexpr int kBoundMilliseconds = 500;
  Listener listener(GetParam());
  ASSERT_TRUE(listener.Ready());
  std::vector<SOCKET> fillers;
  ASSERT_TRUE(FillAcceptQueue(listener, fillers, GetParam()));
  NetworkError error;

  Clock::time_point start = Clock::now();
  EXPECT_FALSE(
      network_.Connect(listener.Host(), listener.Port(), kBoundMilliseconds, wait_, error));
  const Clock::duration bounded = Clock::now() - start;
  const NetworkError timedOut = error;

  CountingWait cancelling(1);
  const UINT_PTR timer = SetTimer(nullptr, 0, kTimerMilliseconds, nullptr);
  start = Clock::now();
  EXPECT_FALSE(network_.Connect(listener.Host(), listener.Port(), kConnectTimeoutMilliseconds,
                                cancelling, error));
  const Clock::duration cancelled = Clock::now() - start;
  KillTimer(nullptr, timer);
  for (const SOCKET filler : fillers) closesocket(filler);

  EXPECT_EQ(timedOut.cause, NetworkFailure::NoAnswer) << timedOut.systemError;
  EXPECT_GE(bounded, std::chrono::milliseconds(kBoundMilliseconds));
  EXPECT_LT(bounded, std::chrono::milliseconds(kBoundMilliseconds) + 2s);
  EXPECT_EQ(error.cause, NetworkFailure::Cancelled);
  EXPECT_EQ(cancelling.Calls(), 1);
  EXPECT_LT(cancelled, 1s);
}

TEST_P(Win32NetworkTest, APeerThatResetsHalfWayFailsTheSend) {
  Listener listener(GetParam());
  ASSERT_TRUE(listener.Ready());
  listener.Serve([](SOCKET& peer) {
    std::string received;
    ReadToEnd(peer, received, 2 * kBlock);
    const linger abrupt{1, 0};
    setsockopt(peer, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abrupt), sizeof abrupt);
  });
  NetworkError error;
  std::unique_ptr<Connection> connection = ConnectTo(listener, error);
  ASSERT_TRUE(connection);

  EXPECT_FALSE(SendInBlocks(*connection, SampleBytes(kStallingSize), wait_, error));

  // Wine now and then reports the reset as the peer's orderly close, met
  // while bytes were still to go: either way the send fails as broken off.
  EXPECT_TRUE(error.cause == NetworkFailure::Reset || error.cause == NetworkFailure::ClosedEarly)
      << static_cast<int>(error.cause) << " " << error.systemError;
  listener.Join();
}

TEST_P(Win32NetworkTest, APeerThatClosesItsEndBeforeTakingEveryByteFailsTheSendAsClosedEarly) {
  const HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  Listener listener(GetParam());
  ASSERT_TRUE(listener.Ready());
  listener.Serve([&](SOCKET& peer) {
    std::string received;
    ReadToEnd(peer, received, 2 * kBlock);
    // The peer is done: its close goes out, and it reads no more.
    shutdown(peer, SD_SEND);
    WaitForSingleObject(release, kPeerWaitMilliseconds);
  });
  NetworkError error;
  std::unique_ptr<Connection> connection = ConnectTo(listener, error);
  ASSERT_TRUE(connection);

  const bool sent = SendInBlocks(*connection, SampleBytes(kStallingSize), wait_, error);

  SetEvent(release);
  listener.Join();
  CloseHandle(release);
  EXPECT_FALSE(sent);
  EXPECT_EQ(error.cause, NetworkFailure::ClosedEarly) << error.systemError;
}

TEST_P(Win32NetworkTest, APeerThatStopsReadingStallsTheSendWithTheWaitToldUntilItCancels) {
  const HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<bool> endSeen{false};
  std::atomic<Clock::time_point> endSeenAt{};
  Listener listener(GetParam());
  ASSERT_TRUE(listener.Ready());
  listener.Serve([&](SOCKET& peer) {
    // Takes nothing until the sender has given up, then reads what is left.
    WaitForSingleObject(release, kPeerWaitMilliseconds);
    std::string received;
    ReadToEnd(peer, received);
    endSeenAt = Clock::now();
    endSeen = true;
  });
  constexpr int kCancelAt = 20;
  CountingWait wait(kCancelAt);
  NetworkError error;
  std::unique_ptr<Connection> connection = ConnectTo(listener, error);
  ASSERT_TRUE(connection);
  // The window's own clock keeps messages coming while the send waits.
  const UINT_PTR timer = SetTimer(nullptr, 0, kTimerMilliseconds, nullptr);
  ASSERT_NE(timer, 0u);

  const bool sent = SendInBlocks(*connection, SampleBytes(kStallingSize), wait, error);
  const Clock::time_point returned = Clock::now();

  KillTimer(nullptr, timer);
  EXPECT_FALSE(sent);
  EXPECT_EQ(error.cause, NetworkFailure::Cancelled);
  EXPECT_EQ(wait.Calls(), kCancelAt);
  EXPECT_LT(returned - wait.LastCall(), 1s) << "the send went on after its cancel";
  EXPECT_LT(wait.LongestGap(), 100ms) << "the window was kept waiting for its messages";

  const Clock::time_point cut = Clock::now();
  connection->CutOff();
  EXPECT_LT(Clock::now() - cut, 1s);
  SetEvent(release);
  listener.Join();
  CloseHandle(release);
  EXPECT_TRUE(endSeen);
  EXPECT_LT(endSeenAt.load() - cut, 5s);
}

INSTANTIATE_TEST_SUITE_P(Loopback, Win32NetworkTest, ::testing::Values(AF_INET, AF_INET6),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(info.param == AF_INET6 ? "IPv6" : "IPv4");
                         });

TEST(Win32NetworkNameTest, ANameIsLookedUpAwayFromTheWindowAndOneThatDoesNotResolveSaysSo) {
  Win32Network network;
  CountingWait wait;
  Listener listener(AF_INET);
  ASSERT_TRUE(listener.Ready());
  listener.Serve([](SOCKET& peer) {
    std::string received;
    ReadToEnd(peer, received);
  });
  NetworkError error;

  std::unique_ptr<Connection> connection =
      network.Connect("localhost", listener.Port(), kConnectTimeoutMilliseconds, wait, error);

  ASSERT_TRUE(connection) << static_cast<int>(error.cause) << " " << error.systemError;
  connection->Close();
  listener.Join();

  const Clock::time_point start = Clock::now();
  EXPECT_FALSE(network.Connect("printer.invalid", 9100, kConnectTimeoutMilliseconds, wait, error));
  EXPECT_EQ(error.cause, NetworkFailure::NameNotFound) << error.systemError;
  EXPECT_NE(error.systemError, 0);
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(kConnectTimeoutMilliseconds) + 1s);
}

}  // namespace
