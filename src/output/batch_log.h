#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/file_system.h"
#include "platform/local_clock.h"

namespace morvane::output {

// The results a batch log line gives.
inline constexpr char kLogDelivered[] = "afgeleverd";
inline constexpr char kLogNotFound[] = "niet gevonden";
// A watch: a file found half sent after an earlier watch ended without
// warning, and a watched folder that has gone away.
inline constexpr char kLogInterrupted[] = "onderbroken";
inline constexpr char kLogFolderUnreachable[] = "map niet bereikbaar";
// Followed by the warning the copy gave.
inline constexpr char kLogFailedPrefix[] = "mislukt: ";
// A watch: a file that stays where the line before says, followed by why it
// could not be moved on; and a file delivered by an earlier watch, which
// could not move it then, now in "verzonden".
inline constexpr char kLogNotMovedPrefix[] = "niet verplaatst: ";
inline constexpr char kLogMovedOn[] = "verplaatst";
// A copy the spooler took in another datatype than RAW: followed by that
// datatype, as a failure is followed by its warning.
inline constexpr char kLogDeliveredAsPrefix[] = "afgeleverd: ";

// What an IPP printer said of a delivered copy once the run had sent all:
// printed, failed ("mislukt: de printer meldt afgebroken: media-empty-error
// (Out of paper)"), or nothing final before the wait's bound.
inline constexpr char kLogPrinted[] = "afgedrukt";
inline constexpr char kLogPrinterFailedPrefix[] = "mislukt: de printer meldt ";
inline constexpr char kLogJobCanceled[] = "geannuleerd";
inline constexpr char kLogJobAborted[] = "afgebroken";
inline constexpr char kLogReasonsSeparator[] = ": ";
inline constexpr char kLogReasonSeparator[] = ", ";
inline constexpr char kLogMessageOpen[] = " (";
inline constexpr char kLogMessageClose[] = ")";
inline constexpr char kLogNotYetKnown[] = "nog niet bekend";

// The result of a delivered copy whose document had this datatype: a RAW
// copy's is "afgeleverd" alone.
std::string DeliveredResult(const std::string& datatype);

// What happened to one copy of a batch run, or to a named file that was not
// found; the texts in the program's form.
struct BatchLogEntry {
  std::string result;
  std::string printer;
  std::string file;
  // The bytes of the file that reached the spooler.
  std::uint64_t bytes = 0;
};

// The log a batch run appends to: one line per entry, in UTF-8 with CR LF,
// five fields separated by tabs: the local time (ISO 8601 to the second), the
// result, the printer, the file and the byte count. Each line is written as it
// comes, in one write to the log's end, so a run that is ended from outside
// leaves the lines before, and runs that share a log each add all of theirs.
class BatchLog {
 public:
  // Opens the file at path for appending, creating it when absent, with other
  // programs free to read and append to it meanwhile; null when it cannot be
  // opened, failure then saying why.
  static std::unique_ptr<BatchLog> Open(platform::FileSystem& files, platform::LocalClock& clock,
                                        const std::string& path, platform::OpenFailure& failure);

  // Appends the entry stamped with the current local time. False when the
  // line could not be written whole.
  bool Append(const BatchLogEntry& entry);

  // The line of an entry at a moment, as Append writes it.
  static std::string Line(const platform::LocalTime& time, const BatchLogEntry& entry);

 private:
  BatchLog(std::unique_ptr<platform::File> file, platform::LocalClock& clock);

  std::unique_ptr<platform::File> file_;
  platform::LocalClock& clock_;
};

}  // namespace morvane::output
