#include "output/batch_log.h"

#include <cstdio>
#include <utility>

#include "base/name_text.h"
#include "output/printer_output.h"

namespace morvane::output {
namespace {

constexpr char kFieldSeparator = '\t';
constexpr char kLineEnd[] = "\r\n";
constexpr unsigned char kLastControlCode = 31;
// "2024-03-05T14:07:09": 19 characters and the terminating zero.
constexpr std::size_t kTimeBufferSize = 20;

// A field holds no tab or line end of its own, which would shift the fields
// or split the line: every control code becomes a blank.
std::string FieldText(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) <= kLastControlCode) c = ' ';
  }
  return base::WellFormedUtf8(text);
}

std::string TimeText(const platform::LocalTime& time) {
  char buffer[kTimeBufferSize] = {};
  std::snprintf(buffer, sizeof(buffer), "%04d-%02d-%02dT%02d:%02d:%02d", time.year, time.month,
                time.day, time.hour, time.minute, time.second);
  return buffer;
}

}  // namespace

std::string DeliveredResult(const std::string& datatype) {
  if (datatype.empty() || datatype == kRawDatatype) return kLogDelivered;
  return kLogDeliveredAsPrefix + datatype;
}

BatchLog::BatchLog(std::unique_ptr<platform::File> file, platform::LocalClock& clock)
    : file_(std::move(file)), clock_(clock) {}

std::unique_ptr<BatchLog> BatchLog::Open(platform::FileSystem& files, platform::LocalClock& clock,
                                         const std::string& path, platform::OpenFailure& failure) {
  // One open that creates the file only when it is absent: an existing log
  // is never emptied. Others may read it and append to it meanwhile (a second
  // run with the same log); a device is no log.
  std::unique_ptr<platform::File> file =
      files.Open(path,
                 {.access = platform::FileAccess::Write,
                  .share = platform::ShareRead | platform::ShareWrite,
                  .disposition = platform::FileDisposition::AppendAlways,
                  .diskFileOnly = true},
                 failure);
  if (!file) return nullptr;
  return std::unique_ptr<BatchLog>(new BatchLog(std::move(file), clock));
}

std::string BatchLog::Line(const platform::LocalTime& time, const BatchLogEntry& entry) {
  std::string line = TimeText(time);
  for (const std::string* field : {&entry.result, &entry.printer, &entry.file}) {
    line += kFieldSeparator;
    line += FieldText(*field);
  }
  line += kFieldSeparator;
  line += std::to_string(entry.bytes);
  line += kLineEnd;
  return line;
}

bool BatchLog::Append(const BatchLogEntry& entry) {
  const std::string line = Line(clock_.Now(), entry);
  std::uint32_t written = 0;
  return file_->Write(line.data(), static_cast<std::uint32_t>(line.size()), written) &&
         written == line.size();
}

}  // namespace morvane::output
