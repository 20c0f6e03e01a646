#include "net/lpd_job.h"

#include <cstddef>

#include "net/bounded_text.h"

namespace morvane::net {
namespace {

constexpr std::size_t kMaxHostOctets = 31;
constexpr std::size_t kMaxUserOctets = 31;
constexpr std::size_t kMaxJobNameOctets = 99;
constexpr std::size_t kMaxSourceNameOctets = 131;
constexpr std::size_t kMaxMessageOctets = 255;
constexpr char kDefaultHost[] = "localhost";
constexpr char kDefaultUser[] = "anonymous";
constexpr char kControlFilePrefix[] = "cfA";
constexpr char kDataFilePrefix[] = "dfA";
constexpr char kReceiveJob = '\x02';
constexpr char kReceiveControlFile = '\x02';
constexpr char kReceiveDataFile = '\x03';
constexpr char kLineEnd = '\n';
constexpr char kReplacement = '_';

bool IsNameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_';
}

// A host or user as the file names and lines carry them.
std::string Plain(std::string_view text, std::string_view otherwise, std::size_t maxOctets) {
  std::string plain(text.substr(0, maxOctets));
  for (char& c : plain) {
    if (!IsNameCharacter(c)) c = kReplacement;
  }
  return plain.empty() ? std::string(otherwise) : plain;
}

std::string Numbered(const char* prefix, const LpdJob& job) {
  const int number = job.number % kLpdJobNumbers;
  std::string digits = std::to_string(number < 0 ? 0 : number);
  digits.insert(0, 3 - digits.size(), '0');
  return prefix + digits + job.host;
}

std::string Line(char code, std::string_view operand) {
  return code + std::string(operand) + kLineEnd;
}

}  // namespace

int NextLpdJobNumber(std::optional<int> lastUsed) {
  if (!lastUsed || *lastUsed < 0 || *lastUsed >= kLpdJobNumbers) return 0;
  return (*lastUsed + 1) % kLpdJobNumbers;
}

LpdJob MakeLpdJob(int number, std::string_view host, std::string_view user,
                  std::string_view documentName) {
  LpdJob job;
  job.number = number;
  job.host = Plain(host, kDefaultHost, kMaxHostOctets);
  job.user = Plain(user, kDefaultUser, kMaxUserOctets);
  job.jobName = BoundedText(documentName, kMaxJobNameOctets);
  job.sourceName = BoundedText(documentName, kMaxSourceNameOctets);
  return job;
}

std::string ControlFileName(const LpdJob& job) { return Numbered(kControlFilePrefix, job); }

std::string DataFileName(const LpdJob& job) { return Numbered(kDataFilePrefix, job); }

std::string LpdControlFile(const LpdJob& job) {
  const std::string dataFile = DataFileName(job);
  return Line('H', job.host) + Line('P', job.user) + Line('J', job.jobName) + Line('l', dataFile) +
         Line('U', dataFile) + Line('N', job.sourceName);
}

std::string ReceiveJobCommand(std::string_view queue) {
  return kReceiveJob + std::string(queue) + kLineEnd;
}

std::string ReceiveControlFileCommand(const LpdJob& job, std::uint64_t size) {
  return kReceiveControlFile + std::to_string(size) + ' ' + ControlFileName(job) + kLineEnd;
}

std::string ReceiveDataFileCommand(const LpdJob& job, std::uint64_t size) {
  return kReceiveDataFile + std::to_string(size) + ' ' + DataFileName(job) + kLineEnd;
}

LpdAcknowledgement ReadLpdAcknowledgement(std::string_view bytes) {
  LpdAcknowledgement acknowledgement;
  if (bytes.empty()) return acknowledgement;
  acknowledgement.code = static_cast<std::uint8_t>(bytes[0]);
  if (acknowledgement.code == 0) {
    acknowledgement.answer = LpdAnswer::Accepted;
    return acknowledgement;
  }
  acknowledgement.answer = LpdAnswer::Refused;
  for (char c : bytes.substr(1)) {
    if (c == '\n' || acknowledgement.message.size() == kMaxMessageOctets) break;
    if (c >= ' ' && c <= '~') acknowledgement.message += c;
  }
  return acknowledgement;
}

}  // namespace morvane::net
