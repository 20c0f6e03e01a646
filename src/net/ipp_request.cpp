#include "net/ipp_request.h"

#include <cstddef>

#include "net/bounded_text.h"
#include "net/ipp_tags.h"

namespace morvane::net {
namespace {

namespace tags = ipp_tags;

constexpr std::uint8_t kVersionMajor = 1;
constexpr std::uint8_t kVersionMinor = 1;
constexpr std::size_t kMaxNameOctets = 255;
// A value's length has two octets.
constexpr std::size_t kMaxValueOctets = 0xFFFF;
constexpr char kCharset[] = "utf-8";
// The program speaks Dutch: a printer that can, answers in it.
constexpr char kNaturalLanguage[] = "nl";
constexpr char kDocumentFormat[] = "application/octet-stream";
constexpr char kAnonymousUser[] = "anonymous";

void PutByte(std::string& out, std::uint32_t value) { out += static_cast<char>(value & 0xFF); }
void PutShort(std::string& out, std::uint32_t value) {
  PutByte(out, value >> 8);
  PutByte(out, value);
}
void PutInt(std::string& out, std::uint32_t value) {
  PutShort(out, value >> 16);
  PutShort(out, value);
}

// One value; the first of an attribute carries the name, the further ones of
// a set an empty name (RFC 8010 3.1.5).
void PutValue(std::string& out, std::uint8_t tag, std::string_view name, std::string_view value) {
  value = value.substr(0, kMaxValueOctets);
  PutByte(out, tag);
  PutShort(out, static_cast<std::uint32_t>(name.size()));
  out += name;
  PutShort(out, static_cast<std::uint32_t>(value.size()));
  out += value;
}

void PutInteger(std::string& out, std::string_view name, std::int32_t value) {
  std::string bytes;
  PutInt(bytes, static_cast<std::uint32_t>(value));
  PutValue(out, tags::kInteger, name, bytes);
}

// A name's value, cut to the protocol's 255 octets.
std::string NameValue(std::string_view text) { return BoundedText(text, kMaxNameOctets); }

// The header and the operation attributes every request starts with: the
// charset, the language and the target, in this order (RFC 8011 4.1.4).
std::string Start(std::uint16_t operation, const IppJobRequest& request) {
  std::string out;
  PutByte(out, kVersionMajor);
  PutByte(out, kVersionMinor);
  PutShort(out, operation);
  PutInt(out, request.requestId);
  PutByte(out, tags::kOperationGroup);
  PutValue(out, tags::kCharset, "attributes-charset", kCharset);
  PutValue(out, tags::kNaturalLanguage, "attributes-natural-language", kNaturalLanguage);
  PutValue(out, tags::kUri, "printer-uri", request.printerUri);
  return out;
}

void PutUser(std::string& out, const IppJobRequest& request) {
  PutValue(out, tags::kNameWithoutLanguage, "requesting-user-name",
           NameValue(request.userName.empty() ? kAnonymousUser : request.userName));
}

}  // namespace

std::string EncodePrintJob(const IppJobRequest& request, std::string_view jobName) {
  std::string out = Start(kIppPrintJob, request);
  PutUser(out, request);
  PutValue(out, tags::kNameWithoutLanguage, "job-name", NameValue(jobName));
  PutValue(out, tags::kMimeMediaType, "document-format", kDocumentFormat);
  PutByte(out, tags::kEndOfAttributes);
  return out;
}

std::string EncodeGetJobAttributes(const IppJobRequest& request, std::int32_t jobId) {
  std::string out = Start(kIppGetJobAttributes, request);
  PutInteger(out, "job-id", jobId);
  PutUser(out, request);
  PutValue(out, tags::kKeyword, "requested-attributes", "job-state");
  PutValue(out, tags::kKeyword, "", "job-state-reasons");
  PutValue(out, tags::kKeyword, "", "job-state-message");
  PutByte(out, tags::kEndOfAttributes);
  return out;
}

std::string EncodeCancelJob(const IppJobRequest& request, std::int32_t jobId) {
  std::string out = Start(kIppCancelJob, request);
  PutInteger(out, "job-id", jobId);
  PutUser(out, request);
  PutByte(out, tags::kEndOfAttributes);
  return out;
}

}  // namespace morvane::net
