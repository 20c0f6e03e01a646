#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvane::net {

// LPD (RFC 1179) job numbers go from 000 to 999 and round again.
inline constexpr int kLpdJobNumbers = 1000;

// The job number after the last one used; 0 when none was used or the one
// remembered is out of range.
int NextLpdJobNumber(std::optional<int> lastUsed);

// One job sent to an LPD queue: one control file and one data file. The
// texts are as the protocol carries them: the host without anything but
// letters, digits, '-', '.' and '_' (others become '_'), cut to 31 octets;
// the user the same way; the job's name and the source's name without
// control characters, cut to 99 and 131 octets at a character's start.
struct LpdJob {
  int number = 0;
  std::string host;
  std::string user;
  std::string jobName;
  std::string sourceName;
};

// The job for a document: its name is the job's name and the source's name.
// An empty host goes as "localhost", an empty user as "anonymous".
LpdJob MakeLpdJob(int number, std::string_view host, std::string_view user,
                  std::string_view documentName);

// "cfA" or "dfA", the job number in three digits, and the host.
std::string ControlFileName(const LpdJob& job);
std::string DataFileName(const LpdJob& job);

// The control file: H host, P user, J job name, an "l" line that prints the
// data file as it is (control characters kept), its U (unlink) line and its
// N (source name) line, each ended by LF.
std::string LpdControlFile(const LpdJob& job);

// The commands in the order they go, each answered by an acknowledgement:
// receive a printer job for the queue (the address's resource), receive the
// control file of that many octets, the control file and kLpdEndOfFile,
// receive the data file of that many octets, the data file and
// kLpdEndOfFile.
std::string ReceiveJobCommand(std::string_view queue);
std::string ReceiveControlFileCommand(const LpdJob& job, std::uint64_t size);
std::string ReceiveDataFileCommand(const LpdJob& job, std::uint64_t size);
inline constexpr char kLpdEndOfFile = '\0';
// Cuts off the job in progress: the server drops what it has of it.
inline constexpr char kLpdAbortJob[] = "\x01\n";

// An acknowledgement: one zero octet accepts, any other octet refuses (some
// servers follow it with a message).
enum class LpdAnswer { NeedMore, Accepted, Refused };
struct LpdAcknowledgement {
  LpdAnswer answer = LpdAnswer::NeedMore;
  std::uint8_t code = 0;
  // The message that followed a refusal, up to a line end, printable ASCII
  // and at most 255 octets.
  std::string message;
};
LpdAcknowledgement ReadLpdAcknowledgement(std::string_view bytes);

}  // namespace morvane::net
