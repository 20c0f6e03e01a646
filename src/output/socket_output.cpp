// tcp:// (AppSocket, "port 9100"): the printer takes the document's bytes on
// a connection of their own, and closes its end once it has them all.
#include <memory>
#include <optional>

#include "output/network_copy.h"
#include "output/network_output.h"

namespace morvane::output {
namespace {

// After the half-close, what the printer sends back (a status some printers
// give) is read and dropped until it closes its end. A reset meanwhile means
// it did not take every byte.
NetworkOutcome AwaitPeerClose(NetworkCopy& copy, platform::Connection& connection) {
  const std::int64_t deadline = DeadlineIn(copy, kPeerCloseTimeoutMilliseconds);
  for (;;) {
    std::uint32_t received = 0;
    if (std::optional<NetworkOutcome> ended = ReceiveBefore(copy, connection, deadline, received)) {
      return *ended;
    }
    if (received == 0) return {NetworkEnd::Delivered, {}};
  }
}

}  // namespace

NetworkOutcome SendBySocket(NetworkCopy& copy) {
  platform::NetworkError error;
  std::unique_ptr<platform::Connection> connection = ConnectToPrinter(copy, error);
  if (!connection) return Broken(copy, error);
  const StreamEnd end = SendFramedFile(
      copy,
      [&](std::string_view piece, platform::NetworkError& sendError) {
        return SendOn(copy, *connection, piece, sendError);
      },
      error);
  // A copy cut short is broken off, so that the printer sees it was not whole.
  if (end != StreamEnd::Whole) {
    connection->CutOff();
    return StreamFailed(copy, end, error);
  }
  if (!connection->ShutdownSending(error)) {
    connection->CutOff();
    return Broken(copy, error);
  }
  NetworkOutcome outcome = AwaitPeerClose(copy, *connection);
  if (outcome.end == NetworkEnd::Delivered) {
    connection->Close();
  } else {
    connection->CutOff();
  }
  return outcome;
}

}  // namespace morvane::output
