// ipp:// (IPP/1.1 over HTTP/1.1, RFC 8010, 8011): each copy is one Print-Job,
// its document streamed in the request's chunked body.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "net/http_message.h"
#include "net/http_response.h"
#include "net/ipp_request.h"
#include "net/ipp_response.h"
#include "output/network_copy.h"
#include "output/network_output.h"

namespace morvane::output {

constexpr int kHttpOk = 200;
constexpr std::int64_t kMicrosecondsPerMillisecond = 1000;

namespace {

// "0x0400".
std::string StatusText(std::uint16_t status) {
  constexpr char kHexDigits[] = "0123456789abcdef";
  std::string text = "0x";
  for (int shift = 12; shift >= 0; shift -= 4) text += kHexDigits[(status >> shift) & 0xF];
  return text;
}

// Reads the printer's HTTP response to the request just sent.
NetworkOutcome ReadResponse(NetworkCopy& copy, platform::Connection& connection,
                            net::HttpResponseReader& reader) {
  const std::int64_t deadline = DeadlineIn(copy, kIppAnswerTimeoutMilliseconds);
  while (reader.state() == net::HttpResponseReader::State::Reading) {
    std::uint32_t received = 0;
    if (std::optional<NetworkOutcome> ended = ReceiveBefore(copy, connection, deadline, received)) {
      return *ended;
    }
    if (received == 0) {
      reader.Closed();
    } else {
      reader.Take({copy.buffer.data(), received});
    }
  }
  if (reader.state() == net::HttpResponseReader::State::Malformed) {
    return FailedBecause(copy, kCauseIppUnreadable);
  }
  return {NetworkEnd::Delivered, {}};
}

}  // namespace

NetworkOutcome SendByIpp(NetworkCopy& copy, std::optional<std::int32_t>& jobId) {
  platform::NetworkError error;
  std::unique_ptr<platform::Connection> connection = ConnectToPrinter(copy, error);
  if (!connection) return Broken(copy, error);
  auto send = [&](std::string_view bytes, platform::NetworkError& sendError) {
    return SendOn(copy, *connection, bytes, sendError);
  };
  auto fail = [&](NetworkOutcome outcome) {
    connection->CutOff();
    return outcome;
  };
  // Each piece of the document is a chunk of the body.
  auto sendChunk = [&](std::string_view piece, platform::NetworkError& sendError) {
    return send(net::ChunkHead(piece.size()), sendError) && send(piece, sendError) &&
           send(net::kChunkEnd, sendError);
  };

  const net::IppJobRequest request{.requestId = 1,
                                   .printerUri = net::AddressText(copy.address),
                                   .userName = copy.services.system.UserName()};
  std::string head = net::IppPostHead(copy.address.resource, net::HttpHost(copy.address), {});
  net::AppendChunk(head, net::EncodePrintJob(request, copy.path));
  if (!send(head, error)) return fail(Broken(copy, error));
  const StreamEnd end = SendFramedFile(copy, sendChunk, error);
  if (end != StreamEnd::Whole) return fail(StreamFailed(copy, end, error));
  if (!send(net::kLastChunk, error)) return fail(Broken(copy, error));

  net::HttpResponseReader reader;
  NetworkOutcome outcome = ReadResponse(copy, *connection, reader);
  if (outcome.end != NetworkEnd::Delivered) return fail(outcome);
  connection->Close();
  if (reader.status() != kHttpOk) {
    return FailedBecause(copy, kCauseHttpStatusPrefix + std::to_string(reader.status()));
  }
  const std::optional<net::IppResponse> response = net::DecodeIppResponse(reader.body());
  if (!response) return FailedBecause(copy, kCauseIppUnreadable);
  if (!net::IppSucceeded(response->status)) {
    std::string cause = kCauseIppRefusedPrefix + StatusText(response->status);
    if (!response->statusMessage.empty()) {
      cause += kCauseLpdMessageSeparator + response->statusMessage;
    }
    return FailedBecause(copy, cause + kCauseLpdRefusedSuffix);
  }
  jobId = response->jobId;
  return outcome;
}

}  // namespace morvane::output

namespace morvane::output {
namespace {

// Hands the window its messages while a question waits, and ends the wait
// when the user has stopped.
class StoppableWait final : public platform::WriteWait {
 public:
  explicit StoppableWait(const OutputServices& services) : services_(services) {}
  bool MessagesArrived() override {
    services_.pump.ProcessMessages();
    return !(services_.stop && services_.stop->Requested());
  }
  void DeviceAbandoned() override {}

 private:
  const OutputServices& services_;
};

}  // namespace

std::optional<net::IppResponse> AskIppJobState(const OutputServices& services,
                                               const net::PrinterAddress& address,
                                               std::int32_t jobId) {
  StoppableWait wait(services);
  platform::NetworkError error;
  std::unique_ptr<platform::Connection> connection = services.network.Connect(
      address.host.text, address.port, kConnectTimeoutMilliseconds, wait, error);
  if (!connection) return std::nullopt;
  const net::IppJobRequest request{.requestId = 2,
                                   .printerUri = net::AddressText(address),
                                   .userName = services.system.UserName()};
  const std::string body = net::EncodeGetJobAttributes(request, jobId);
  const std::string message =
      net::IppPostHead(address.resource, net::HttpHost(address), body.size()) + body;
  if (!connection->Send(message.data(), static_cast<std::uint32_t>(message.size()), wait, error)) {
    connection->CutOff();
    return std::nullopt;
  }
  net::HttpResponseReader reader;
  constexpr std::uint32_t kAnswerBlock = 4096;
  std::string block(kAnswerBlock, '\0');
  const std::int64_t deadline =
      services.clock.Microseconds() +
      std::int64_t{kIppAskTimeoutMilliseconds} * kMicrosecondsPerMillisecond;
  while (reader.state() == net::HttpResponseReader::State::Reading) {
    const std::int64_t left = deadline - services.clock.Microseconds();
    std::uint32_t received = 0;
    if (left <= 0 ||
        !connection->Receive(block.data(), kAnswerBlock, received,
                             static_cast<int>(left / kMicrosecondsPerMillisecond), wait, error)) {
      connection->CutOff();
      return std::nullopt;
    }
    if (received == 0) {
      reader.Closed();
    } else {
      reader.Take({block.data(), received});
    }
  }
  connection->Close();
  if (reader.state() != net::HttpResponseReader::State::Complete || reader.status() != kHttpOk) {
    return std::nullopt;
  }
  std::optional<net::IppResponse> response = net::DecodeIppResponse(reader.body());
  if (!response || !net::IppSucceeded(response->status)) return std::nullopt;
  return response;
}

}  // namespace morvane::output
