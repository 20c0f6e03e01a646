// lpd:// (RFC 1179): each copy is a job of its own on a connection of its
// own: the queue, the control file, the data file, each step acknowledged.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "net/lpd_job.h"
#include "output/lpd_job_numbers.h"
#include "output/network_copy.h"
#include "output/network_output.h"

namespace morvane::output {
namespace {

// Waits for the acknowledgement of the step just sent; Delivered when it
// accepts.
NetworkOutcome AwaitAcknowledgement(NetworkCopy& copy, platform::Connection& connection) {
  platform::NetworkError error;
  char code = 0;
  std::uint32_t received = 0;
  if (!connection.Receive(&code, 1, received, kLpdAnswerTimeoutMilliseconds, copy.pacer, error)) {
    return Broken(copy, error);
  }
  if (received == 0) return FailedBecause(copy, kCauseClosedEarly);
  if (code == 0) return {NetworkEnd::Delivered, {}};
  // A refusal may come with a message, sent with the code or right after.
  std::string answer(1, code);
  std::uint32_t more = 0;
  if (connection.Receive(copy.buffer.data(), kLpdMessageBytes, more, 0, copy.pacer, error)) {
    answer.append(copy.buffer.data(), more);
  }
  const net::LpdAcknowledgement refusal = net::ReadLpdAcknowledgement(answer);
  std::string cause = kCauseLpdRefusedPrefix + std::to_string(refusal.code);
  if (!refusal.message.empty()) cause += kCauseLpdMessageSeparator + refusal.message;
  return FailedBecause(copy, cause + kCauseLpdRefusedSuffix);
}

}  // namespace

NetworkOutcome SendByLpd(NetworkCopy& copy) {
  platform::NetworkError error;
  std::unique_ptr<platform::Connection> connection = ConnectToPrinter(copy, error);
  if (!connection) return Broken(copy, error);
  auto send = [&](std::string_view bytes, platform::NetworkError& sendError) {
    return SendOn(copy, *connection, bytes, sendError);
  };
  // A job broken off halfway is dropped by the server.
  auto fail = [&](NetworkOutcome outcome) {
    connection->CutOff();
    return outcome;
  };
  auto step = [&](std::string_view bytes) {
    if (!send(bytes, error)) return Broken(copy, error);
    return AwaitAcknowledgement(copy, *connection);
  };

  NetworkOutcome outcome = step(net::ReceiveJobCommand(copy.address.resource));
  if (outcome.end != NetworkEnd::Delivered) return fail(outcome);

  const net::LpdJob job =
      net::MakeLpdJob(TakeLpdJobNumber(copy.services.registry), copy.services.system.ComputerName(),
                      copy.services.system.UserName(), copy.path);
  const std::string control = net::LpdControlFile(job);
  outcome = step(net::ReceiveControlFileCommand(job, control.size()));
  if (outcome.end != NetworkEnd::Delivered) return fail(outcome);
  outcome = step(control + net::kLpdEndOfFile);
  if (outcome.end != NetworkEnd::Delivered) return fail(outcome);

  // The data file's size is announced first: the source, which no one may
  // write while it is open, framed by INIT and EXIT.
  const std::uint64_t fileSize = copy.source.Size();
  outcome = step(
      net::ReceiveDataFileCommand(job, copy.job.init.size() + fileSize + copy.job.exit.size()));
  if (outcome.end != NetworkEnd::Delivered) return fail(outcome);
  const StreamEnd end = SendFramedFile(copy, send, error);
  if (end != StreamEnd::Whole) return fail(StreamFailed(copy, end, error));
  if (copy.fileBytes != fileSize) return fail({NetworkEnd::Failed, kProcessingFailed});
  outcome = step(std::string_view(&net::kLpdEndOfFile, 1));
  if (outcome.end != NetworkEnd::Delivered) return fail(outcome);
  connection->Close();
  return outcome;
}

}  // namespace morvane::output
