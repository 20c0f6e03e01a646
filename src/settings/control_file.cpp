#include "settings/control_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

namespace morvane::settings {

namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr char kLineEnd[] = "\r\n";
constexpr std::uint32_t kReadBufferSize = 4096;
constexpr std::size_t kMaxWriteSize = std::size_t{64} * 1024;

constexpr platform::FileOpenMode kReadMode{platform::FileAccess::Read, platform::ShareRead,
                                           platform::FileDisposition::OpenExisting};
constexpr platform::FileOpenMode kWriteMode{platform::FileAccess::Write, platform::ShareRead,
                                            platform::FileDisposition::CreateAlways};

void AppendWithoutCarriageReturns(std::string& line, std::string_view bytes) {
  std::size_t start = 0;
  for (std::size_t cr = bytes.find(kCarriageReturn); cr != std::string_view::npos;
       cr = bytes.find(kCarriageReturn, start)) {
    line.append(bytes.substr(start, cr - start));
    start = cr + 1;
  }
  line.append(bytes.substr(start));
}

bool WriteAll(platform::File& file, std::string_view bytes) {
  while (!bytes.empty()) {
    const auto size = static_cast<std::uint32_t>(std::min(bytes.size(), kMaxWriteSize));
    std::uint32_t written = 0;
    if (!file.Write(bytes.data(), size, written) || written != size) return false;
    bytes.remove_prefix(size);
  }
  return true;
}

bool WriteWholeFile(platform::FileSystem& files, const std::string& path,
                    const std::string& contents) {
  std::unique_ptr<platform::File> file = files.Open(path, kWriteMode);
  if (!file) return false;
  // Flushed before it replaces the old file, so that a crash of the system
  // cannot leave an empty file in the old one's place.
  const bool written = WriteAll(*file, contents) && file->Flush();
  const bool closed = file->Close();
  if (written && closed) return true;
  files.Delete(path);
  return false;
}

}  // namespace

void ControlFileParser::Feed(std::string_view bytes) {
  while (!bytes.empty() && !Full()) {
    std::string& line = strings_[completeLines_];
    const std::size_t lineFeed = bytes.find(kLineFeed);
    AppendWithoutCarriageReturns(line, bytes.substr(0, lineFeed));
    if (lineFeed == std::string_view::npos) return;
    ++completeLines_;
    bytes.remove_prefix(lineFeed + 1);
  }
}

std::string FormatControlFile(const output::ControlStrings& strings) {
  std::string contents;
  for (const output::ControlString& text : strings) {
    std::copy_if(text.begin(), text.end(), std::back_inserter(contents),
                 [](char c) { return c != kCarriageReturn && c != kLineFeed; });
    contents += kLineEnd;
  }
  return contents;
}

bool LoadControlStrings(platform::FileSystem& files, const std::string& programFolder,
                        output::ControlStrings& strings, std::string& unreadPath) {
  strings = {};
  unreadPath.clear();
  std::string path = programFolder + kControlFileName;
  if (!files.FileExists(path)) path = programFolder + kFallbackControlFileName;
  if (!files.FileExists(path)) return true;

  std::unique_ptr<platform::File> file = files.Open(path, kReadMode);
  if (!file) {
    unreadPath = path;
    return false;
  }

  // A read error ends the load; what was read so far stays in force.
  ControlFileParser parser;
  std::array<char, kReadBufferSize> buffer;
  std::uint32_t bytesRead = 0;
  bool readWhole = true;
  while (!parser.Full()) {
    if (!file->Read(buffer.data(), kReadBufferSize, bytesRead)) {
      readWhole = false;
      break;
    }
    if (bytesRead == 0) break;
    parser.Feed(std::string_view(buffer.data(), bytesRead));
  }
  file->Close();
  strings = parser.Strings();
  if (!readWhole) unreadPath = path;
  return readWhole;
}

bool SaveControlStrings(platform::FileSystem& files, const std::string& programFolder,
                        const output::ControlStrings& strings) {
  const std::string temporaryPath = programFolder + kTemporaryControlFileName;
  if (!WriteWholeFile(files, temporaryPath, FormatControlFile(strings))) return false;
  if (files.Replace(temporaryPath, programFolder + kControlFileName)) return true;
  files.Delete(temporaryPath);
  return false;
}

}  // namespace morvane::settings
