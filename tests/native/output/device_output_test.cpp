#include "output/device_output.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "output/copy_pacer.h"
#include "output/output_rig.h"

namespace morvane::output {
namespace {

constexpr char kPath[] = "C:\\jobs\\label.zpl";
constexpr char kPort[] = "LPT1";

std::string Bytes(std::size_t count, char seed = 3) {
  std::string bytes;
  for (std::size_t i = 0; i < count; ++i) bytes.push_back(static_cast<char>(seed + i * 13));
  return bytes;
}

class SendFileToDeviceTest : public ::testing::Test {
 protected:
  SendFileToDeviceTest() { fake.files.AddDevice(kPort); }

  void Send(const std::string& path = kPath, const std::string& port = kPort) {
    SendFileToDevice(services, DeviceJob{init, exit}, path, port);
  }
  std::vector<std::size_t> WriteSizes(std::size_t open = 0) {
    std::vector<std::size_t> sizes;
    const auto opens = fake.files.OpensOf(kPort);
    for (const auto& write : opens.at(open).writes) {
      sizes.push_back(write.offered.size());
    }
    return sizes;
  }

  testing::OutputRig rig{7};
  fakes::FakePlatform& fake = rig.fake;
  OutputServices& services = rig.services;
  ControlString init = "\x1b@";
  ControlString exit = "\x0c";
};

TEST_F(SendFileToDeviceTest, WritesInitTheFileInBlocksOf1024AndExit) {
  const std::string data = Bytes(2049);
  fake.files.AddFile(kPath, data);
  Send();
  Send();

  EXPECT_EQ(fake.files.DeviceOutput(kPort), init + data + exit + init + data + exit);
  EXPECT_EQ(WriteSizes(), (std::vector<std::size_t>{2, 1024, 1024, 1, 1}));
  const auto opens = fake.files.OpensOf(kPort);
  ASSERT_EQ(opens.size(), 2u);  // every copy opens the port anew
  EXPECT_EQ(opens[0].mode.access, platform::FileAccess::ReadWrite);
  EXPECT_EQ(opens[0].mode.share, platform::ShareRead | platform::ShareWrite);
  EXPECT_EQ(opens[0].mode.disposition, platform::FileDisposition::CreateAlways);
  EXPECT_TRUE(opens[0].mode.device);
  EXPECT_EQ(fake.files.OpensOf(kPath)[0].mode.access, platform::FileAccess::Read);
  EXPECT_EQ(fake.pump.Calls(), 0);  // the clock stood still: no look at the queue
  EXPECT_TRUE(fake.boxes.Shown().empty());
  EXPECT_EQ(fake.files.OpenHandles(), 0);
}

// Records what a copy tells its run at each dispatch.
class RecordedProgress final : public CopyProgress {
 public:
  void CopyAdvanced(std::uint64_t bytesSent, std::uint64_t fileSize) override {
    steps.emplace_back(bytesSent, fileSize);
  }
  std::vector<std::pair<std::uint64_t, std::uint64_t>> steps;
};

TEST_F(SendFileToDeviceTest, LooksAtTheQueueOnceTheIntervalHasPassedSinceItsLastLook) {
  const std::string data = Bytes(std::size_t{10} * 1024);
  fake.files.AddFile(kPath, data);
  RecordedProgress progress;
  services.progress = &progress;

  // A fast port: each block ends a quarter of the interval after the last.
  fake.clock.stepPerReading = kDispatchIntervalMicroseconds / 4;
  Send();
  EXPECT_EQ(fake.pump.Calls(), 2);  // after the 4th and the 8th block
  using Step = std::pair<std::uint64_t, std::uint64_t>;
  EXPECT_EQ(progress.steps, (std::vector<Step>{{4096, 10240}, {8192, 10240}}));

  // A slow port: every block takes the whole interval, so every block is
  // followed by a dispatch, the first included.
  fake.clock.stepPerReading = kDispatchIntervalMicroseconds;
  Send();
  EXPECT_EQ(fake.pump.Calls(), 2 + 10);
  EXPECT_EQ(fake.files.DeviceOutput(kPort), init + data + exit + init + data + exit);
}

TEST_F(SendFileToDeviceTest, BlockBoundaries) {
  for (std::size_t size : {0u, 1024u, 1025u}) {
    testing::OutputRig rig{1};
    fakes::FakePlatform& local = rig.fake;
    local.files.AddDevice(kPort);
    local.files.AddFile(kPath, Bytes(size));
    const ControlString none;
    SendFileToDevice(rig.services, DeviceJob{none, none}, kPath, kPort);
    std::vector<std::size_t> sizes;
    const auto opens = local.files.OpensOf(kPort);
    for (const auto& write : opens[0].writes) {
      sizes.push_back(write.offered.size());
    }
    const std::vector<std::vector<std::size_t>> expected = {{}, {1024}, {1024, 1}};
    EXPECT_EQ(sizes, expected[size == 0 ? 0 : size == 1024 ? 1 : 2]) << size;
    EXPECT_EQ(local.files.DeviceOutput(kPort), Bytes(size));
  }
}

TEST_F(SendFileToDeviceTest, ControlStringsLongerThanTheBufferGoOutWholeInOneWrite) {
  init = Bytes(3000, 'a');
  exit = Bytes(1025, 'z');
  fake.files.AddFile(kPath, "data");
  Send();
  EXPECT_EQ(fake.files.DeviceOutput(kPort), init + "data" + exit);
  EXPECT_EQ(WriteSizes(), (std::vector<std::size_t>{3000, 4, 1025}));
}

TEST_F(SendFileToDeviceTest, SourceOrPortThatCannotBeOpened) {
  Send("C:\\missing.prn");
  EXPECT_TRUE(fake.files.OpensOf(kPort).empty());  // the port sees nothing

  fake.files.AddFile(kPath, "data");
  Send(kPath, "LPT3");  // no such device here: no file of that name appears
  EXPECT_FALSE(fake.files.HasFile("LPT3"));
  EXPECT_EQ(fake.files.OpenHandles(), 0);

  EXPECT_EQ(fake.boxes.Texts(),
            (std::vector<std::string>{"Fout bij openen bronbestand!", "Fout bij openen uitvoer!"}));
  for (const auto& box : fake.boxes.Shown()) {
    EXPECT_EQ(box.caption, "Bestand uitvoer");
    EXPECT_EQ(box.style, 0x30u);
  }
}

TEST_F(SendFileToDeviceTest, WriteFailuresFollowTheirRows) {
  const std::string data = Bytes(3000);
  struct Case {
    const char* what;
    std::uint64_t failAfter;  // bytes the port takes before its writes fail
    std::string output;
    int boxes;
  };
  const std::vector<Case> cases = {
      // INIT fails: nothing else is tried.
      {"INIT", 0, "", 1},
      // A block fails: the rest of the file is skipped, EXIT is attempted and
      // fails too, so two boxes.
      {"second block", 2 + 1024, init + data.substr(0, 1024), 2},
  };
  for (const Case& c : cases) {
    testing::OutputRig rig{1};
    fakes::FakePlatform& local = rig.fake;
    local.files.AddDevice(kPort);
    local.files.AddFile(kPath, data);
    local.files.FailWriteAfter(kPort, c.failAfter);
    SendFileToDevice(rig.services, DeviceJob{init, exit}, kPath, kPort);
    EXPECT_EQ(local.files.DeviceOutput(kPort), c.output) << c.what;
    EXPECT_EQ(local.boxes.Texts(), std::vector<std::string>(static_cast<std::size_t>(c.boxes),
                                                            "Fout bij verwerken van uitvoer!"))
        << c.what;
    EXPECT_EQ(local.files.OpenHandles(), 0) << c.what;
    // The run's next copy starts normally.
    local.files.FailWriteAfter(kPort, 1u << 30);
    SendFileToDevice(rig.services, DeviceJob{init, exit}, kPath, kPort);
    EXPECT_EQ(local.files.OpensOf(kPort).back().Written(), init + data + exit) << c.what;
  }
}

TEST_F(SendFileToDeviceTest, ShortWriteCountsAsFailureAndExitIsStillWritten) {
  // The port takes part of the second block only: the copy stops, EXIT follows.
  fake.files.AddFile(kPath, Bytes(3000));
  fake.files.FailWriteAfter(kPort, 2 + 1024 + 100, fakes::WriteFault::ShortCount);
  Send();
  EXPECT_EQ(fake.boxes.Texts(), (std::vector<std::string>{"Fout bij verwerken van uitvoer!",
                                                          "Fout bij verwerken van uitvoer!"}));
  EXPECT_EQ(WriteSizes().size(), 4u);  // INIT, a block, the short block, EXIT
}

TEST_F(SendFileToDeviceTest, ReadErrorStopsTheCopyButExitIsWritten) {
  const std::string data = Bytes(2000);
  fake.files.AddFile(kPath, data);
  fake.files.FailReadAfter(kPath, 1024);
  Send();
  EXPECT_EQ(fake.files.DeviceOutput(kPort), init + data.substr(0, 1024) + exit);
  EXPECT_EQ(fake.boxes.Texts(), std::vector<std::string>{"Fout bij verwerken van uitvoer!"});
}

TEST_F(SendFileToDeviceTest, CloseFailuresAreReportedAndTheNextCopyRuns) {
  fake.files.AddFile(kPath, "abc");
  fake.files.FailClose(kPort);
  Send();
  fake.files.FailClose(kPath);
  Send();
  EXPECT_EQ(fake.boxes.Texts(), (std::vector<std::string>{"Fout bij verwerken van uitvoer!",
                                                          "Fout bij verwerken van uitvoer!"}));
  EXPECT_EQ(fake.files.DeviceOutput(kPort), init + "abc" + exit + init + "abc" + exit);
  EXPECT_EQ(fake.files.OpenHandles(), 0);
}

}  // namespace
}  // namespace morvane::output
