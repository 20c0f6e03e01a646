#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/network.h"

namespace morvane::fakes {

// What the peer sends back once it has taken a number of bytes.
struct PeerReply {
  std::uint64_t afterBytes = 0;
  std::string bytes;
};

// One connection as the peer saw it.
struct FakeSession {
  std::string received;
  bool halfClosed = false;
  bool closed = false;
  bool cutOff = false;
  // Messages the waits were told of, and whether one cancelled.
  int messagesTold = 0;
  bool cancelled = false;
};

// The scripted peer at one address, and what the program did with it.
struct FakePeer {
  // A cause other than None fails the connect.
  platform::NetworkError connectFailure;
  // The peer takes this many bytes, then fails the send with sendFailure; or
  // with no cause, stalls: each send past that point tells the wait of
  // stallMessages messages before the peer reads on.
  std::uint64_t takes = UINT64_MAX;
  platform::NetworkError sendFailure;
  int stallMessages = 0;
  std::vector<PeerReply> replies;
  // Once every reply has been read: the peer closes its end after the
  // program's half-close (or at once, closesFirst); else a read times out.
  bool closesFirst = false;
  // A read past the replies fails so instead, when it has a cause.
  platform::NetworkError receiveFailure;

  // Every connection made to the peer, in order; each stays where it is.
  std::deque<FakeSession> sessions;
  int connectAttempts = 0;
};

// A network of scripted peers, each at host:port; an address no peer was
// scripted for does not resolve.
class FakeNetwork final : public platform::Network {
 public:
  FakePeer& Peer(const std::string& host, std::uint16_t port) { return peers_[{host, port}]; }

  std::unique_ptr<platform::Connection> Connect(const std::string& host, std::uint16_t port,
                                                int timeoutMilliseconds, platform::WriteWait& wait,
                                                platform::NetworkError& error) override;

 private:
  std::map<std::pair<std::string, std::uint16_t>, FakePeer> peers_;
};

}  // namespace morvane::fakes
