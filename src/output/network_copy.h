#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "net/printer_address.h"
#include "output/copy_pacer.h"
#include "output/printer_output.h"
#include "platform/network.h"

namespace morvane::output {

// One copy on its way to a network printer: what each protocol's part of it
// works with.
struct NetworkCopy {
  const OutputServices& services;
  const PrinterJob& job;
  const std::string& path;
  const net::PrinterAddress& address;
  platform::File& source;
  CopyPacer& pacer;
  // kNetworkBlockSize bytes, for the file's blocks and for what the printer
  // sends back.
  std::vector<char>& buffer;
  // The bytes of the file (not of INIT and EXIT) that went out.
  std::uint64_t fileBytes = 0;
};

enum class NetworkEnd { Delivered, Failed, Stopped };

// How a copy to a network printer ended; a failed one with its warning.
struct NetworkOutcome {
  NetworkEnd end = NetworkEnd::Failed;
  std::string warning;
};

// The copy failed for the cause given in words.
NetworkOutcome FailedBecause(const NetworkCopy& copy, const std::string& cause);
// A network call of the copy failed: a stop when the user stopped the run,
// else a failure for the call's cause.
NetworkOutcome Broken(const NetworkCopy& copy, const platform::NetworkError& error);

// Connects to the copy's address within the bound. Null on failure.
std::unique_ptr<platform::Connection> ConnectToPrinter(NetworkCopy& copy,
                                                       platform::NetworkError& error);

// Sends the bytes on the connection, the copy's pacer waiting meanwhile.
bool SendOn(NetworkCopy& copy, platform::Connection& connection, std::string_view bytes,
            platform::NetworkError& error);

// The clock's moment that many milliseconds from now.
std::int64_t DeadlineIn(const NetworkCopy& copy, int milliseconds);
// Receives what the printer sends into the copy's buffer, waiting until the
// deadline at most; `received` 0 is the printer's close. Otherwise gives how
// the copy ends: the connection broke, or the printer did not answer in time.
std::optional<NetworkOutcome> ReceiveBefore(NetworkCopy& copy, platform::Connection& connection,
                                            std::int64_t deadline, std::uint32_t& received);

// Hands on one piece of the document; false with error set when it could not.
using PieceSender = std::function<bool(std::string_view piece, platform::NetworkError& error)>;

enum class StreamEnd { Whole, SourceFailed, Broken, Stopped };

// Sends INIT, the file from its current place to its end in blocks of
// kNetworkBlockSize, and EXIT, each piece through `send`; error tells why
// when the stream broke.
StreamEnd SendFramedFile(NetworkCopy& copy, const PieceSender& send, platform::NetworkError& error);

// The copy as a stream ended otherwise than whole.
NetworkOutcome StreamFailed(const NetworkCopy& copy, StreamEnd end,
                            const platform::NetworkError& error);

// tcp://: the document alone on a connection of its own.
NetworkOutcome SendBySocket(NetworkCopy& copy);
// lpd://: one job per copy.
NetworkOutcome SendByLpd(NetworkCopy& copy);
// ipp://: one Print-Job per copy; jobId is the printer's id for the job.
NetworkOutcome SendByIpp(NetworkCopy& copy, std::optional<std::int32_t>& jobId);

}  // namespace morvane::output
