// Any bytes load as a control file without harm, and what the program saves
// loads back to the same twelve strings, CR and LF left out.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fakes/fake_file_system.h"
#include "settings/control_file.h"

namespace {

constexpr char kFolder[] = "C:\\M\\";
constexpr char kIni[] = "C:\\M\\Morvane.ini";

std::string WithoutLineBreaks(const std::string& text) {
  std::string kept;
  for (char c : text) {
    if (c != '\r' && c != '\n') kept.push_back(c);
  }
  return kept;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace morvane;
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  fakes::FakeFileSystem files;
  files.AddFile(kIni, bytes);
  output::ControlStrings loaded;
  std::string unread;
  Check(settings::LoadControlStrings(files, kFolder, loaded, unread));

  // Fed in any chunking, the parser agrees with the load.
  settings::ControlFileParser parser;
  const std::size_t step = size == 0 ? 1 : 1 + data[0] % 7;
  for (std::size_t at = 0; at < size && !parser.Full(); at += step) {
    parser.Feed(std::string_view(bytes).substr(at, step));
  }
  Check(parser.Strings() == loaded);

  // Strings with any bytes at all save as exactly twelve CR LF lines.
  output::ControlStrings strings;
  for (std::size_t i = 0; i < strings.size(); ++i) {
    strings[i] = bytes.substr(i * size / strings.size(), size / strings.size());
  }
  Check(settings::SaveControlStrings(files, kFolder, strings));
  const std::string saved = *files.Contents(kIni);
  std::size_t lineEnds = 0;
  for (std::size_t at = saved.find("\r\n"); at != std::string::npos;
       at = saved.find("\r\n", at + 2)) {
    ++lineEnds;
  }
  Check(lineEnds == strings.size());
  Check(saved.size() >= 2 && saved.compare(saved.size() - 2, 2, "\r\n") == 0);

  output::ControlStrings reloaded;
  Check(settings::LoadControlStrings(files, kFolder, reloaded, unread));
  for (std::size_t i = 0; i < strings.size(); ++i) {
    Check(reloaded[i] == WithoutLineBreaks(strings[i]));
  }
  return 0;
}
