#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morvane::net {

// The operations of IPP/1.1 (RFC 8011) this program asks for.
inline constexpr std::uint16_t kIppPrintJob = 0x0002;
inline constexpr std::uint16_t kIppCancelJob = 0x0008;
inline constexpr std::uint16_t kIppGetJobAttributes = 0x0009;

// The job states a job's job-state attribute gives.
inline constexpr std::int32_t kJobPending = 3;
inline constexpr std::int32_t kJobPendingHeld = 4;
inline constexpr std::int32_t kJobProcessing = 5;
inline constexpr std::int32_t kJobProcessingStopped = 6;
inline constexpr std::int32_t kJobCanceled = 7;
inline constexpr std::int32_t kJobAborted = 8;
inline constexpr std::int32_t kJobCompleted = 9;

// What every request of one job names: the printer, the user and the job.
struct IppJobRequest {
  std::uint32_t requestId = 1;
  // The printer-uri: the address's text (printer_address.h).
  std::string printerUri;
  // An empty name goes as "anonymous". Names longer than the protocol's 255
  // octets are cut at a character's start.
  std::string userName;
};

// The request of a Print-Job (RFC 8010 3.1.1) up to its end-of-attributes
// tag: version 1.1, attributes-charset utf-8, attributes-natural-language,
// printer-uri, requesting-user-name, job-name (the document's name, cut as
// the user's) and document-format application/octet-stream. The document's
// bytes follow it in the same body.
std::string EncodePrintJob(const IppJobRequest& request, std::string_view jobName);

// Get-Job-Attributes for the job, asking for job-state, job-state-reasons
// and job-state-message.
std::string EncodeGetJobAttributes(const IppJobRequest& request, std::int32_t jobId);

std::string EncodeCancelJob(const IppJobRequest& request, std::int32_t jobId);

}  // namespace morvane::net
