// Device output through Wine's real ports: the prefix's dosdevices links
// point LPT1 and COM1 at a FIFO and a pseudo-terminal that the test
// environment collects, LPT2 at /dev/full, and leave LPT3 out.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <string>
#include <vector>

#include "output/device_output.h"
#include "output/job_list.h"
#include "output_harness.h"
#include "port_capture.h"
#include "recording_file_system.h"

namespace morvane::testing {
namespace {

using namespace std::chrono_literals;

constexpr auto kArrivalTimeout = 20s;
constexpr char kOpenFailed[] = "Fout bij openen uitvoer!";
constexpr char kProcessingFailed[] = "Fout bij verwerken van uitvoer!";
constexpr char kCaption[] = "Bestand uitvoer";

class DevicePortTest : public ::testing::Test {
 protected:
  // Runs the list to the device the way the program's device job does: one
  // SendFileToDevice per copy.
  void RunToDevice(const output::OutputServices& services, const std::vector<ListedFile>& rows,
                   CopyMode mode, int count, const std::string& device, const std::string& init,
                   const std::string& exit) {
    FileList list(services.files, rows, mode, count);
    const output::DeviceJob job{init, exit};
    output::RunJobList(list, [&](const std::string& path) {
      output::SendFileToDevice(services, job, path, device);
      return true;
    });
  }

  void RunToDevice(const std::vector<ListedFile>& rows, CopyMode mode, int count,
                   const std::string& device, const std::string& init, const std::string& exit) {
    RunToDevice(real_.services, rows, mode, count, device, init, exit);
  }

  std::vector<std::string> BoxTexts() const { return real_.boxes.Texts(); }

  void ExpectEveryCaptionIsOutput() const {
    for (const auto& box : real_.boxes.Shown()) EXPECT_EQ(box.caption, kCaption);
  }

  RealOutputServices real_;
  ScratchFolder folder_{"ports"};
};

TEST_F(DevicePortTest, FifoPortReceivesEveryCopyOfTwoSetsFramedInOrder) {
  const std::string init =
      "INIT\x1b"
      "E";
  const std::string exit =
      "\x0c"
      "EXIT";
  const std::string a = SampleBytes(3000, 1);
  const std::string b = SampleBytes(1025, 2);
  const std::string pathA = folder_.Write("a.prn", a);
  const std::string pathB = folder_.Write("b.prn", b);
  const std::string expected =
      init + a + exit + init + b + exit + init + a + exit + init + b + exit;
  PortCapture lpt1("lpt1");

  RunToDevice({{pathA}, {pathB}}, CopyMode::Sets, 2, "LPT1", init, exit);

  EXPECT_TRUE(BoxTexts().empty());
  const std::string received = lpt1.Received(expected.size(), kArrivalTimeout);
  ASSERT_EQ(received.size(), expected.size());
  EXPECT_TRUE(received == expected) << "LPT1 received other bytes than INIT A EXIT INIT B EXIT "
                                       "INIT A EXIT INIT B EXIT";
}

TEST_F(DevicePortTest, FifoPortGetsEmptyAndBlockSizedFilesAndLongControlStringsWhole) {
  // An INIT longer than the transfer buffer goes out whole; an empty file
  // gives INIT then EXIT at once; 1024 and 1025 bytes need one and two blocks.
  const std::string init = SampleBytes(2500, 7);
  const std::string exit = "EXIT";
  const std::string empty;
  const std::string block = SampleBytes(1024, 3);
  const std::string blockAndOne = SampleBytes(1025, 4);
  const std::vector<ListedFile> rows{{folder_.Write("empty.prn", empty)},
                                     {folder_.Write("block.prn", block)},
                                     {folder_.Write("block1.prn", blockAndOne)}};
  const std::string expected =
      init + empty + exit + init + block + exit + init + blockAndOne + exit;
  PortCapture lpt1("lpt1");

  RunToDevice(rows, CopyMode::Uniform, 1, "LPT1", init, exit);

  EXPECT_TRUE(BoxTexts().empty());
  const std::string received = lpt1.Received(expected.size(), kArrivalTimeout);
  ASSERT_EQ(received.size(), expected.size());
  EXPECT_TRUE(received == expected);
}

TEST_F(DevicePortTest, FailingWritesWarnTryExitAndLeaveTheNextCopyToStartAnew) {
  // /dev/full refuses every write: the first block fails, EXIT is tried and
  // fails too, both with a warning; the second copy opens the port again.
  RecordingFileSystem recording(real_.files);
  const output::OutputServices services{recording,    real_.spooler, real_.network, real_.registry,
                                        real_.system, real_.pump,    real_.clock,   real_.messages};
  const std::string path = folder_.Write("a.prn", SampleBytes(3000, 5));

  RunToDevice(services, {{path}}, CopyMode::Uniform, 2, "LPT2", "", "EXIT");

  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kProcessingFailed, kProcessingFailed,
                                                  kProcessingFailed, kProcessingFailed}));
  ExpectEveryCaptionIsOutput();
  using Kind = DeviceCall::Kind;
  std::vector<std::pair<Kind, std::uint32_t>> calls;
  for (const DeviceCall& call : recording.DeviceCalls()) {
    if (call.kind == Kind::Write) {
      EXPECT_FALSE(call.ok) << "a write to /dev/full succeeded";
    }
    calls.emplace_back(call.kind, call.size);
  }
  const std::vector<std::pair<Kind, std::uint32_t>> oneCopy{
      {Kind::Open, 0}, {Kind::Write, 1024}, {Kind::Write, 4}, {Kind::Close, 0}};
  std::vector<std::pair<Kind, std::uint32_t>> twoCopies = oneCopy;
  twoCopies.insert(twoCopies.end(), oneCopy.begin(), oneCopy.end());
  EXPECT_EQ(calls, twoCopies) << "open, first block, EXIT, close for each copy";
}

TEST_F(DevicePortTest, FailingInitWarnsOnceAndSendsNeitherFileNorExit) {
  RecordingFileSystem recording(real_.files);
  const output::OutputServices services{recording,    real_.spooler, real_.network, real_.registry,
                                        real_.system, real_.pump,    real_.clock,   real_.messages};
  const std::string path = folder_.Write("a.prn", SampleBytes(100, 6));

  RunToDevice(services, {{path}}, CopyMode::Uniform, 2, "LPT2", "INIT", "EXIT");

  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{kProcessingFailed, kProcessingFailed}));
  std::vector<std::uint32_t> writes;
  for (const DeviceCall& call : recording.DeviceCalls()) {
    if (call.kind == DeviceCall::Kind::Write) writes.push_back(call.size);
  }
  EXPECT_EQ(writes, (std::vector<std::uint32_t>{4, 4})) << "only INIT, once per copy";
}

// Every entry of folder and its subfolders whose name is the port's, with or
// without an extension.
std::vector<std::string> EntriesNamed(const std::string& folder, const std::string& port) {
  std::vector<std::string> found;
  WIN32_FIND_DATAA entry;
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    const std::string name = entry.cFileName;
    if (name == "." || name == "..") continue;
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::string path = folder + '\\' + name;
    if (lower == port || lower.rfind(port + ".", 0) == 0) found.push_back(path);
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      for (const std::string& inner : EntriesNamed(path, port)) {
        found.push_back(inner);
      }
    }
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  return found;
}

TEST_F(DevicePortTest, AbsentPortWarnsOncePerCopyAndNoFileOfItsNameAppears) {
  const std::vector<ListedFile> rows{
      {folder_.Write("a.prn", "a")}, {folder_.Write("b.prn", "b")}, {folder_.Write("c.prn", "c")}};
  char previous[MAX_PATH];
  ASSERT_NE(GetCurrentDirectoryA(MAX_PATH, previous), 0u);
  ASSERT_TRUE(SetCurrentDirectoryA(folder_.Path().c_str()));

  RunToDevice(rows, CopyMode::Uniform, 2, "LPT3", "INIT", "EXIT");

  SetCurrentDirectoryA(previous);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(6, kOpenFailed));
  ExpectEveryCaptionIsOutput();
  EXPECT_EQ(EntriesNamed(folder_.Path(), "lpt3"), std::vector<std::string>{});
}

TEST_F(DevicePortTest, SerialPortOnATerminalReceivesTheBytesUnchanged) {
  // Every byte value, CR, LF and Ctrl+Z included, passes a raw terminal as is.
  const std::string init =
      "\x1b"
      "E\r\n";
  const std::string exit = "\r\n\x1a";
  const std::string a = SampleBytes(5000, 8);
  const std::string expected = init + a + exit + init + a + exit;
  PortCapture com1("com1");

  RunToDevice({{folder_.Write("a.prn", a), "2"}}, CopyMode::PerFile, 1, "COM1", init, exit);

  EXPECT_TRUE(BoxTexts().empty());
  const std::string received = com1.Received(expected.size(), kArrivalTimeout);
  ASSERT_EQ(received.size(), expected.size());
  EXPECT_TRUE(received == expected);
}

}  // namespace
}  // namespace morvane::testing
