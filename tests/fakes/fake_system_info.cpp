#include "fakes/fake_system_info.h"

#include <utility>

#include "base/name_text.h"

namespace morvane::fakes {

void FakeSystemInfo::SetCommandLine(std::string commandLine) {
  commandLine_ = std::move(commandLine);
}

void FakeSystemInfo::SetProgramPath(std::string programPath) {
  programPath_ = std::move(programPath);
}

bool FakeSystemInfo::IsNtFamily() { return ntFamily_; }

std::string FakeSystemInfo::CommandLine() { return commandLine_; }

std::string FakeSystemInfo::ProgramPath() { return programPath_; }

std::string FakeSystemInfo::Utf8FromText(std::string_view text) {
  constexpr unsigned char kFirstOfTwo = 0xC0;
  constexpr unsigned char kContinuation = 0x80;
  constexpr unsigned kLowSixBits = 0x3F;
  constexpr unsigned kSixBits = 6;
  constexpr char kReplacement[] = "\xEF\xBF\xBD";
  std::string utf8;
  for (std::size_t at = 0; at < text.size();) {
    if (const std::size_t escape = base::EscapeLengthAt(text, at); escape > 0) {
      utf8 += text.substr(at + 1, escape - 1);
      at += escape;
      continue;
    }
    if (text[at] == base::kEscapeMark && at + 1 < text.size() &&
        text[at + 1] == base::kUncarriedByte) {
      utf8 += kReplacement;
      at += 2;
      continue;
    }
    const auto c = static_cast<unsigned char>(text[at++]);
    if (c < kContinuation) {
      utf8.push_back(static_cast<char>(c));
    } else {
      utf8.push_back(static_cast<char>(kFirstOfTwo | (c >> kSixBits)));
      utf8.push_back(static_cast<char>(kContinuation | (c & kLowSixBits)));
    }
  }
  return utf8;
}

}  // namespace morvane::fakes
