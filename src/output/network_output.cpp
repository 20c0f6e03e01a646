#include "output/network_output.h"

#include <memory>
#include <optional>
#include <vector>

#include "output/network_copy.h"

namespace morvane::output {
namespace {

constexpr std::int64_t kMicrosecondsPerMillisecond = 1000;

}  // namespace

std::string NetworkCauseText(const platform::NetworkError& error) {
  using platform::NetworkFailure;
  switch (error.cause) {
    case NetworkFailure::NameNotFound:
      return kCauseNameNotFound;
    case NetworkFailure::Refused:
      return kCauseRefused;
    case NetworkFailure::NoAnswer:
      return kCauseNoAnswer;
    case NetworkFailure::Reset:
      return kCauseReset;
    case NetworkFailure::ClosedEarly:
      return kCauseClosedEarly;
    case NetworkFailure::None:
    case NetworkFailure::Cancelled:
    case NetworkFailure::Other:
      break;
  }
  return kCauseOtherPrefix + std::to_string(error.systemError);
}

NetworkOutcome FailedBecause(const NetworkCopy& copy, const std::string& cause) {
  return {NetworkEnd::Failed, kNetworkFailedPrefix + net::AddressText(copy.address) +
                                  kNetworkFailedSeparator + cause + kNetworkFailedSuffix};
}

NetworkOutcome Broken(const NetworkCopy& copy, const platform::NetworkError& error) {
  if (error.cause == platform::NetworkFailure::Cancelled || copy.pacer.Stopped()) {
    return {NetworkEnd::Stopped, {}};
  }
  return FailedBecause(copy, NetworkCauseText(error));
}

bool SendOn(NetworkCopy& copy, platform::Connection& connection, std::string_view bytes,
            platform::NetworkError& error) {
  return connection.Send(bytes.data(), static_cast<std::uint32_t>(bytes.size()), copy.pacer, error);
}

std::int64_t DeadlineIn(const NetworkCopy& copy, int milliseconds) {
  return copy.services.clock.Microseconds() +
         std::int64_t{milliseconds} * kMicrosecondsPerMillisecond;
}

std::optional<NetworkOutcome> ReceiveBefore(NetworkCopy& copy, platform::Connection& connection,
                                            std::int64_t deadline, std::uint32_t& received) {
  received = 0;
  const std::int64_t left = deadline - copy.services.clock.Microseconds();
  if (left <= 0) return FailedBecause(copy, kCauseNoAnswer);
  platform::NetworkError error;
  if (!connection.Receive(copy.buffer.data(), static_cast<std::uint32_t>(copy.buffer.size()),
                          received, static_cast<int>(left / kMicrosecondsPerMillisecond),
                          copy.pacer, error)) {
    return Broken(copy, error);
  }
  return std::nullopt;
}

std::unique_ptr<platform::Connection> ConnectToPrinter(NetworkCopy& copy,
                                                       platform::NetworkError& error) {
  return copy.services.network.Connect(copy.address.host.text, copy.address.port,
                                       kConnectTimeoutMilliseconds, copy.pacer, error);
}

StreamEnd SendFramedFile(NetworkCopy& copy, const PieceSender& send,
                         platform::NetworkError& error) {
  auto sendPiece = [&](std::string_view piece) {
    if (piece.empty() || send(piece, error)) return true;
    return false;
  };
  auto broken = [&] { return copy.pacer.Stopped() ? StreamEnd::Stopped : StreamEnd::Broken; };
  if (!sendPiece(copy.job.init)) return broken();
  for (;;) {
    std::uint32_t bytesRead = 0;
    if (!copy.source.Read(copy.buffer.data(), static_cast<std::uint32_t>(copy.buffer.size()),
                          bytesRead)) {
      return StreamEnd::SourceFailed;
    }
    if (bytesRead == 0) break;
    if (!sendPiece({copy.buffer.data(), bytesRead})) return broken();
    copy.fileBytes += bytesRead;
    if (!copy.pacer.BlockSent(bytesRead)) return StreamEnd::Stopped;
  }
  return sendPiece(copy.job.exit) ? StreamEnd::Whole : broken();
}

NetworkOutcome StreamFailed(const NetworkCopy& copy, StreamEnd end,
                            const platform::NetworkError& error) {
  switch (end) {
    case StreamEnd::SourceFailed:
      return {NetworkEnd::Failed, kProcessingFailed};
    case StreamEnd::Stopped:
      return {NetworkEnd::Stopped, {}};
    case StreamEnd::Whole:
    case StreamEnd::Broken:
      break;
  }
  return Broken(copy, error);
}

PrinterCopy SendFileToAddress(const OutputServices& services, const PrinterJob& job,
                              const std::string& path, const net::PrinterAddress& address) {
  if (address.protocol == net::PrinterProtocol::Ipps) {
    services.messages.Warn(kAddressUnsupportedPrefix + net::AddressText(address), kOutputCaption);
    return {};
  }
  std::unique_ptr<platform::File> source = services.files.Open(path, kSourceOpenMode);
  if (!source) {
    services.messages.Warn(kSourceOpenFailed, kOutputCaption);
    return {};
  }
  std::vector<char> buffer(platform::kNetworkBlockSize);
  CopyPacer pacer(services, *source);
  NetworkCopy copy{services, job, path, address, *source, pacer, buffer};
  std::optional<std::int32_t> jobId;
  NetworkOutcome outcome = address.protocol == net::PrinterProtocol::Socket ? SendBySocket(copy)
                           : address.protocol == net::PrinterProtocol::Lpd  ? SendByLpd(copy)
                                                                           : SendByIpp(copy, jobId);
  const bool closed = source->Close();
  if (outcome.end == NetworkEnd::Delivered && !closed) {
    outcome = {NetworkEnd::Failed, kProcessingFailed};
  }
  // A stop is the user's own word: nothing to report.
  if (outcome.end == NetworkEnd::Failed) services.messages.Warn(outcome.warning, kOutputCaption);
  PrinterCopy result;
  result.delivered = outcome.end == NetworkEnd::Delivered;
  result.fileBytes = copy.fileBytes;
  if (result.delivered) result.ippJobId = jobId;
  return result;
}

}  // namespace morvane::output
