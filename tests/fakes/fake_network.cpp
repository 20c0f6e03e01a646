#include "fakes/fake_network.h"

#include <algorithm>
#include <cstring>

namespace morvane::fakes {
namespace {

using platform::NetworkError;
using platform::NetworkFailure;

class FakeConnection final : public platform::Connection {
 public:
  FakeConnection(const FakePeer& peer, FakeSession& session) : peer_(peer), session_(session) {}
  ~FakeConnection() override {
    if (!Ended()) session_.cutOff = true;
  }

  bool Send(const void* data, std::uint32_t size, platform::WriteWait& wait,
            NetworkError& error) override {
    error = {};
    if (Ended() || session_.halfClosed) return Fail({NetworkFailure::Other, 0}, error);
    const char* bytes = static_cast<const char*>(data);
    std::uint64_t room =
        peer_.takes - std::min<std::uint64_t>(peer_.takes, session_.received.size());
    if (room < size && peer_.sendFailure.cause == NetworkFailure::None) {
      for (int message = 0; message < peer_.stallMessages; ++message) {
        ++session_.messagesTold;
        if (!wait.MessagesArrived()) {
          session_.cancelled = true;
          return Fail({NetworkFailure::Cancelled, 0}, error);
        }
      }
      room = size;
    }
    session_.received.append(bytes, std::min<std::uint64_t>(room, size));
    if (room < size) return Fail(peer_.sendFailure, error);
    return true;
  }

  bool ShutdownSending(NetworkError& error) override {
    error = {};
    if (Ended()) return Fail({NetworkFailure::Other, 0}, error);
    session_.halfClosed = true;
    return true;
  }

  bool Receive(void* buffer, std::uint32_t size, std::uint32_t& received, int timeoutMilliseconds,
               platform::WriteWait& wait, NetworkError& error) override {
    static_cast<void>(timeoutMilliseconds);
    static_cast<void>(wait);
    error = {};
    received = 0;
    if (Ended()) return Fail({NetworkFailure::Other, 0}, error);
    std::string readable;
    for (const PeerReply& reply : peer_.replies) {
      if (session_.received.size() >= reply.afterBytes) readable += reply.bytes;
    }
    if (delivered_ < readable.size()) {
      received =
          static_cast<std::uint32_t>(std::min<std::size_t>(size, readable.size() - delivered_));
      std::memcpy(buffer, readable.data() + delivered_, received);
      delivered_ += received;
      return true;
    }
    if (delivered_ < AllReplies()) return Fail({NetworkFailure::NoAnswer, 0}, error);
    if (peer_.receiveFailure.cause != NetworkFailure::None)
      return Fail(peer_.receiveFailure, error);
    if (peer_.closesFirst || session_.halfClosed) return true;
    return Fail({NetworkFailure::NoAnswer, 0}, error);
  }

  void Close() override {
    if (!Ended()) session_.closed = true;
  }
  void CutOff() override {
    if (!Ended()) session_.cutOff = true;
  }

 private:
  static bool Fail(NetworkError failure, NetworkError& error) {
    error = failure;
    return false;
  }
  bool Ended() const { return session_.closed || session_.cutOff; }
  std::size_t AllReplies() const {
    std::size_t total = 0;
    for (const PeerReply& reply : peer_.replies) total += reply.bytes.size();
    return total;
  }

  const FakePeer& peer_;
  FakeSession& session_;
  std::size_t delivered_ = 0;
};

}  // namespace

std::unique_ptr<platform::Connection> FakeNetwork::Connect(const std::string& host,
                                                           std::uint16_t port,
                                                           int timeoutMilliseconds,
                                                           platform::WriteWait& wait,
                                                           NetworkError& error) {
  static_cast<void>(timeoutMilliseconds);
  static_cast<void>(wait);
  error = {};
  const auto found = peers_.find({host, port});
  if (found == peers_.end()) {
    error = {NetworkFailure::NameNotFound, 0};
    return nullptr;
  }
  FakePeer& peer = found->second;
  ++peer.connectAttempts;
  if (peer.connectFailure.cause != NetworkFailure::None) {
    error = peer.connectFailure;
    return nullptr;
  }
  return std::make_unique<FakeConnection>(peer, peer.sessions.emplace_back());
}

}  // namespace morvane::fakes
