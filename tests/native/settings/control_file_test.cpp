#include "settings/control_file.h"

#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_file_system.h"

namespace morvane::settings {
namespace {

using output::ControlStrings;

const std::string kFolder = "C:\\Programs\\Morvane\\";
const std::string kIni = kFolder + "Morvane.ini";
const std::string kCfg = kFolder + "Morvane.cfg";
const std::string kTemporary = kFolder + kTemporaryControlFileName;

ControlStrings Parse(const std::string& bytes, std::size_t chunkSize) {
  ControlFileParser parser;
  for (std::size_t i = 0; i < bytes.size(); i += chunkSize) parser.Feed(bytes.substr(i, chunkSize));
  return parser.Strings();
}

// A file read whole, or none at all, is no reason to keep the next save away.
ControlStrings Load(fakes::FakeFileSystem& files, bool readWhole = true) {
  ControlStrings strings;
  strings.fill("stale");
  std::string unread = "stale";
  EXPECT_EQ(LoadControlStrings(files, kFolder, strings, unread), readWhole);
  EXPECT_EQ(unread, readWhole ? "" : kIni);
  return strings;
}

ControlStrings Numbered() {
  ControlStrings strings;
  for (std::size_t i = 0; i < strings.size(); ++i) strings[i] = "line" + std::to_string(i + 1);
  return strings;
}

TEST(ControlFileParser, SplitsLinesAlikeWhateverTheChunks) {
  const std::string bytes = std::string("lf\ncrlf\r\na\rb\nsub\x1a tail\n\x1b(s3B  \r\r\n\n") +
                            "\xe9\xc9\n" + std::string(2000, 'x') + "\nnine\nten\nwin-init\n" +
                            "win-exit\r\nthirteen\n";
  for (std::size_t chunk : {std::size_t{1}, std::size_t{2}, std::size_t{7}, bytes.size()}) {
    SCOPED_TRACE(chunk);
    const ControlStrings strings = Parse(bytes, chunk);
    EXPECT_EQ(strings[0], "lf");
    EXPECT_EQ(strings[1], "crlf");
    EXPECT_EQ(strings[2], "ab");
    EXPECT_EQ(strings[3], "sub\x1a tail");
    EXPECT_EQ(strings[4], "\x1b(s3B  ");
    EXPECT_EQ(strings[5], "");
    EXPECT_EQ(strings[6], "\xe9\xc9");
    EXPECT_EQ(strings[7], std::string(2000, 'x'));
    EXPECT_EQ(strings[10], "win-init");
    EXPECT_EQ(strings[11], "win-exit");
  }
}

TEST(ControlFileParser, ShortFilesLeaveTheRestEmpty) {
  const ControlStrings tenLines = Parse("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\r\n", 3);
  EXPECT_EQ(tenLines[9], "10");
  EXPECT_EQ(tenLines[10], "");
  EXPECT_EQ(tenLines[11], "");

  const ControlStrings unterminated = Parse("first\nsecond", 100);
  EXPECT_EQ(unterminated[1], "second");
  EXPECT_EQ(unterminated[2], "");
}

TEST(ControlFileFormat, WritesTwelveCrLfLinesWithoutLineBreaksInside) {
  EXPECT_EQ(FormatControlFile(ControlStrings{}),
            "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
  ControlStrings strings;
  strings[0] = "a\r\nb";
  strings[1] = "\nc\r";
  const std::string file = FormatControlFile(strings);
  EXPECT_EQ(file.substr(0, 7), "ab\r\nc\r\n");
  EXPECT_EQ(Parse(file, 5)[0], "ab");
  EXPECT_EQ(Parse(file, 5)[1], "c");
  EXPECT_EQ(Parse(file, 5)[2], "");

  // Each target's pair has its own two lines, INIT first, in the targets' order.
  const char* const targets[] = {"LPT1", "LPT2", "LPT3", "COM1", "COM2", "WIN"};
  ControlStrings keyed;
  for (const output::ControlStringKey& key : output::kControlStringKeys) {
    keyed[key] = std::string(targets[static_cast<int>(key.target)]) +
                 (key.end == output::ControlEnd::Init ? " init" : " exit");
  }
  EXPECT_EQ(FormatControlFile(keyed),
            "LPT1 init\r\nLPT1 exit\r\nLPT2 init\r\nLPT2 exit\r\nLPT3 init\r\nLPT3 exit\r\n"
            "COM1 init\r\nCOM1 exit\r\nCOM2 init\r\nCOM2 exit\r\nWIN init\r\nWIN exit\r\n");
}

TEST(LoadControlStrings, PrefersIniThenCfgAndIgnoresDirectories) {
  fakes::FakeFileSystem files;
  EXPECT_EQ(Load(files), ControlStrings{});
  EXPECT_TRUE(files.Opens().empty());

  files.AddFile(kCfg, "from cfg\n");
  files.AddDirectory(kIni);
  EXPECT_EQ(Load(files)[0], "from cfg");

  fakes::FakeFileSystem both;
  both.AddFile(kCfg, "from cfg\n");
  both.AddFile(kIni, "from ini\n");
  EXPECT_EQ(Load(both)[0], "from ini");
  ASSERT_EQ(both.Opens().size(), 1u);
  const fakes::OpenRecord& open = both.Opens()[0];
  EXPECT_EQ(open.path, kIni);
  EXPECT_EQ(open.mode.access, platform::FileAccess::Read);
  EXPECT_EQ(open.mode.share, platform::ShareRead);
  EXPECT_EQ(open.mode.disposition, platform::FileDisposition::OpenExisting);
  EXPECT_EQ(open.closeCalls, 1);
}

TEST(LoadControlStrings, ReadsLongLinesAcrossBuffersAndStopsAfterTwelve) {
  fakes::FakeFileSystem files;
  std::string contents;
  for (int i = 0; i < 12; ++i)
    contents += std::string(2000 + i, static_cast<char>('a' + i)) + "\r\n";
  const std::size_t twelveLines = contents.size();
  contents += std::string(1 << 20, 'z');
  files.AddFile(kIni, contents);

  const ControlStrings strings = Load(files);
  for (std::size_t i = 0; i < 12; ++i) {
    EXPECT_EQ(strings[i], std::string(2000 + i, static_cast<char>('a' + i)));
  }
  ASSERT_EQ(files.Opens().size(), 1u);
  EXPECT_LT(files.Opens()[0].bytesRead, twelveLines + std::size_t{64} * 1024);
}

TEST(LoadControlStrings, ReadErrorKeepsWhatWasRead) {
  const std::string contents = "one\ntwo\nthree\n4\n5\n6\n7\n8\n9\n10\neleven\ntwelve\n";
  struct Case {
    std::size_t readable;
    std::size_t lastLine;
    std::string lastText;
  };
  // Fails inside line 3, and inside line 11.
  for (const Case& c : {Case{10, 2, "th"}, Case{31, 10, "el"}}) {
    fakes::FakeFileSystem files;
    files.AddFile(kIni, contents);
    files.FailReadAfter(kIni, c.readable);
    const ControlStrings strings = Load(files, false);
    EXPECT_EQ(strings[0], "one");
    EXPECT_EQ(strings[c.lastLine], c.lastText);
    for (std::size_t i = c.lastLine + 1; i < strings.size(); ++i) EXPECT_EQ(strings[i], "");
    EXPECT_EQ(files.OpenHandles(), 0);
  }

  // Held by another program: nothing read.
  fakes::FakeFileSystem files;
  files.AddFile(kIni, contents);
  files.RefuseOpen(kIni);
  EXPECT_EQ(Load(files, false), ControlStrings{});
}

TEST(SaveControlStrings, WritesThroughTemporaryFile) {
  fakes::FakeFileSystem files;
  files.AddFile(kIni, "old\n");
  files.AddFile(kCfg, "cfg stays\n");
  EXPECT_TRUE(SaveControlStrings(files, kFolder, ControlStrings{}));
  EXPECT_EQ(files.Contents(kIni)->size(), 24u);
  EXPECT_EQ(files.Contents(kCfg), "cfg stays\n");
  EXPECT_FALSE(files.HasFile(kTemporary));
  ASSERT_EQ(files.Opens().size(), 1u);
  EXPECT_EQ(files.Opens()[0].path, kTemporary);
  EXPECT_EQ(files.Opens()[0].mode.access, platform::FileAccess::Write);
  EXPECT_EQ(files.Opens()[0].mode.share, platform::ShareRead);
  EXPECT_EQ(files.Opens()[0].mode.disposition, platform::FileDisposition::CreateAlways);
  EXPECT_EQ(files.Opens()[0].flushCalls, 1);
}

TEST(SaveControlStrings, SavedStringsLoadBackUnchanged) {
  fakes::FakeFileSystem files;
  ControlStrings strings = Numbered();
  strings[0] =
      "  \x1b"
      "E spaced  ";
  strings[3] = std::string("nul\0inside", 10);
  strings[5] = "\xe9\xff\x1a";
  strings[11] = std::string(5000, 'w');
  ASSERT_TRUE(SaveControlStrings(files, kFolder, strings));
  EXPECT_EQ(Load(files), strings);
}

TEST(SaveControlStrings, FailureLeavesOldFileByteForByte) {
  const std::string old = "old init\r\nold exit\r\n";
  const std::vector<void (*)(fakes::FakeFileSystem&)> faults = {
      [](fakes::FakeFileSystem& f) { f.RefuseOpen(kTemporary); },
      [](fakes::FakeFileSystem& f) { f.FailWriteAfter(kTemporary, 10); },
      [](fakes::FakeFileSystem& f) {
        f.FailWriteAfter(kTemporary, 10, fakes::WriteFault::ShortCount);
      },
      [](fakes::FakeFileSystem& f) { f.FailFlush(kTemporary); },
      [](fakes::FakeFileSystem& f) { f.FailClose(kTemporary); },
      [](fakes::FakeFileSystem& f) { f.FailReplace(); },
  };
  for (std::size_t i = 0; i < faults.size(); ++i) {
    SCOPED_TRACE(i);
    fakes::FakeFileSystem files;
    files.AddFile(kIni, old);
    faults[i](files);
    EXPECT_FALSE(SaveControlStrings(files, kFolder, Numbered()));
    EXPECT_EQ(files.Contents(kIni), old);
    EXPECT_FALSE(files.HasFile(kTemporary));
    EXPECT_EQ(files.OpenHandles(), 0);
  }
}

}  // namespace
}  // namespace morvane::settings
