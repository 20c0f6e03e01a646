#include "output/printer_output.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "output/copy_pacer.h"
#include "output/output_rig.h"

namespace morvane::output {
namespace {

constexpr char kPrinter[] = "Kantoor";
constexpr char kPath[] = "C:\\jobs\\a.prn";
constexpr char kCaption[] = "Uitvoer van bestand naar";

std::string Bytes(std::size_t count) {
  std::string bytes;
  for (std::size_t i = 0; i < count; ++i) bytes.push_back(static_cast<char>(i * 7 + 1));
  return bytes;
}

class SendFileToPrinterTest : public ::testing::Test {
 protected:
  SendFileToPrinterTest() { fake.spooler.AddPrinter(kPrinter); }

  void Send(const std::string& path = kPath, const std::string& printer = kPrinter) {
    const std::string caption = kCaption;
    SendFileToPrinter(services, PrinterJob{init, exit, caption}, path, printer);
  }

  const fakes::SpoolJob& OnlyJob() {
    EXPECT_EQ(fake.spooler.Jobs().size(), 1u);
    return fake.spooler.Jobs().front();
  }

  testing::OutputRig rig{42};
  fakes::FakePlatform& fake = rig.fake;
  OutputServices& services = rig.services;
  ControlString init = "\033E";
  ControlString exit = "\x1b&l0H\x0c";
};

TEST_F(SendFileToPrinterTest, SendsOneRawDocumentFramedByInitAndExitInBlocksOf1025) {
  const std::string data = Bytes(1026);
  fake.files.AddFile(kPath, data);
  fake.cursor.Set(base::Cursor::HourGlass);
  fake.clock.stepPerReading = kDispatchIntervalMicroseconds;  // each block takes that long

  Send();

  const fakes::SpoolJob& job = OnlyJob();
  EXPECT_EQ(job.printerName, kPrinter);
  EXPECT_EQ(job.documentName, kPath);
  EXPECT_EQ(job.datatype, "RAW");
  EXPECT_EQ(job.writes,
            (std::vector<std::string>{init, data.substr(0, 1025), data.substr(1025), exit}));
  EXPECT_TRUE(job.endDocCalled);
  EXPECT_TRUE(job.closeCalled);
  EXPECT_EQ(fake.pump.Calls(), 2);  // so a dispatch follows each block
  EXPECT_TRUE(fake.boxes.Shown().empty());
  EXPECT_EQ(fake.cursor.Get(), base::Cursor::HourGlass);
  EXPECT_EQ(fake.files.OpenHandles(), 0);

  const auto opens = fake.files.OpensOf(kPath);
  ASSERT_EQ(opens.size(), 1u);
  EXPECT_EQ(opens[0].mode.access, platform::FileAccess::Read);
  EXPECT_EQ(opens[0].mode.share, platform::ShareRead | platform::ShareDelete);
  EXPECT_EQ(opens[0].mode.disposition, platform::FileDisposition::OpenExisting);
}

TEST_F(SendFileToPrinterTest, BlockBoundariesAndEmptyParts) {
  struct Case {
    std::size_t fileSize;
    ControlString init, exit;
    std::vector<std::size_t> writeSizes;
  };
  const std::vector<Case> cases = {
      {1025, "I", "E", {1, 1025, 1}}, {2050, "", "", {1025, 1025}},
      {0, "I", "EE", {1, 2}},         {0, "", "", {}},
      {10, "", "X", {10, 1}},
  };
  for (const Case& c : cases) {
    testing::OutputRig rig{1};
    fakes::FakePlatform& local = rig.fake;
    local.spooler.AddPrinter(kPrinter);
    local.files.AddFile(kPath, Bytes(c.fileSize));
    const std::string caption = kCaption;
    SendFileToPrinter(rig.services, PrinterJob{c.init, c.exit, caption}, kPath, kPrinter);

    ASSERT_EQ(local.spooler.Jobs().size(), 1u) << c.fileSize;
    const fakes::SpoolJob& job = local.spooler.Jobs()[0];
    std::vector<std::size_t> sizes;
    for (const std::string& write : job.writes) sizes.push_back(write.size());
    EXPECT_EQ(sizes, c.writeSizes) << "file of " << c.fileSize;
    EXPECT_TRUE(job.started);
    EXPECT_EQ(job.Accepted(), c.init + Bytes(c.fileSize) + c.exit);
  }
}

TEST_F(SendFileToPrinterTest, SourceThatCannotBeOpenedIsReportedAndNoPrinterIsOpened) {
  fake.cursor.Set(base::Cursor::HourGlass);
  fake.files.AddFile(kPath, "data");
  fake.files.RefuseOpen(kPath);

  Send();
  Send("C:\\missing.prn");

  EXPECT_TRUE(fake.spooler.OpenAttempts().empty());
  EXPECT_EQ(fake.boxes.Texts(), (std::vector<std::string>{"Fout bij openen bronbestand!",
                                                          "Fout bij openen bronbestand!"}));
  EXPECT_EQ(fake.boxes.Shown()[0].caption, "Bestand uitvoer");
  EXPECT_EQ(fake.boxes.Shown()[0].style, 0x30u);
  EXPECT_EQ(fake.boxes.Shown()[0].owner, 42);
  EXPECT_EQ(fake.boxes.Shown()[0].cursor, base::Cursor::Default);
  EXPECT_EQ(fake.cursor.Get(), base::Cursor::HourGlass);  // the run goes on
}

TEST_F(SendFileToPrinterTest, PrinterThatCannotBeOpenedShowsTheErrorNumberUnderTheMainCaption) {
  fake.files.AddFile(kPath, "data");
  fake.spooler.FailOpen(1801);
  fake.cursor.Set(base::Cursor::HourGlass);

  Send(kPath, "");

  ASSERT_EQ(fake.spooler.OpenAttempts().size(), 1u);
  EXPECT_EQ(fake.spooler.OpenAttempts()[0], "");  // an empty name is still a name
  ASSERT_EQ(fake.boxes.Shown().size(), 1u);
  EXPECT_EQ(fake.boxes.Shown()[0].text, "error 1801");
  EXPECT_EQ(fake.boxes.Shown()[0].caption, kCaption);
  EXPECT_EQ(fake.boxes.Shown()[0].cursor, base::Cursor::Default);
  EXPECT_EQ(fake.cursor.Get(), base::Cursor::HourGlass);
  EXPECT_EQ(fake.files.OpenHandles(), 0);  // the source was closed again
  EXPECT_EQ(fake.files.OpensOf(kPath)[0].closeCalls, 1);
}

// Every spooler failure ends the copy with one box and counts it as not
// delivered; what was written stays in the document, which is still ended and
// closed, and the cursor comes back.
TEST_F(SendFileToPrinterTest, SpoolerFailuresAreReportedOnceAndTheDocumentIsEnded) {
  const std::string data = Bytes(3000);  // INIT, three blocks, EXIT: five writes
  struct Case {
    const char* what;
    std::function<void(fakes::FakeSpooler&)> inject;
    std::string accepted;
    std::size_t writes;  // none after the failing one
  };
  const std::vector<Case> cases = {
      {"start of the document", [](auto& s) { s.FailStartDoc(); }, "", 0},
      {"INIT", [](auto& s) { s.FailWrite(1, fakes::WriteFailure::OnlyThisOne); }, "", 1},
      {"second block", [](auto& s) { s.FailWrite(3, fakes::WriteFailure::OnlyThisOne); },
       "\033E" + data.substr(0, 1025), 3},
      {"EXIT", [](auto& s) { s.FailWrite(5, fakes::WriteFailure::OnlyThisOne); }, "\033E" + data,
       5},
      {"a write that takes nothing", [](auto& s) { s.LimitWrites(0, 3); },
       "\033E" + data.substr(0, 1025), 3},
      {"end of the document", [](auto& s) { s.FailEndDoc(); }, "\033E" + data + exit, 5},
  };
  for (const Case& c : cases) {
    testing::OutputRig rig{1};
    fakes::FakePlatform& local = rig.fake;
    local.spooler.AddPrinter(kPrinter);
    local.files.AddFile(kPath, data);
    c.inject(local.spooler);
    local.cursor.Set(base::Cursor::HourGlass);
    const std::string caption = kCaption;
    EXPECT_FALSE(
        SendFileToPrinter(rig.services, PrinterJob{init, exit, caption}, kPath, kPrinter).delivered)
        << c.what;

    ASSERT_EQ(local.spooler.Jobs().size(), 1u) << c.what;
    const fakes::SpoolJob& job = local.spooler.Jobs()[0];
    EXPECT_EQ(job.Accepted(), c.accepted) << c.what;
    EXPECT_EQ(job.writes.size(), c.writes) << c.what;
    EXPECT_TRUE(job.endDocCalled) << c.what;
    EXPECT_TRUE(job.closeCalled) << c.what;
    EXPECT_EQ(local.boxes.Texts(), std::vector<std::string>{"Fout bij verwerken van uitvoer!"})
        << c.what;
    EXPECT_EQ(local.boxes.Shown()[0].caption, "Bestand uitvoer");
    EXPECT_EQ(local.boxes.Shown()[0].cursor, base::Cursor::Default) << c.what;
    EXPECT_EQ(local.cursor.Get(), base::Cursor::HourGlass) << c.what;
    EXPECT_EQ(local.files.OpenHandles(), 0) << c.what;
  }
}

// A driver that refuses RAW gets the same document as XPS_PASS; a refusal of
// both, or any other failure to start, fails the copy as before.
TEST_F(SendFileToPrinterTest, ARefusedRawDocumentIsStartedAgainAsXpsPass) {
  struct Case {
    std::vector<std::string> refused;
    bool otherFailure;
    bool delivered;
    std::string datatype;
    int starts;
  };
  const std::vector<Case> cases = {
      {{"RAW"}, false, true, "XPS_PASS", 2},
      {{"RAW", "XPS_PASS"}, false, false, "", 2},
      {{}, true, false, "", 1},
      {{}, false, true, "RAW", 1},
  };
  for (const Case& c : cases) {
    testing::OutputRig rig{1};
    rig.fake.spooler.AddPrinter(kPrinter);
    rig.fake.files.AddFile(kPath, "data");
    for (const std::string& datatype : c.refused) rig.fake.spooler.RefuseDatatype(datatype);
    if (c.otherFailure) rig.fake.spooler.FailStartDoc();
    const std::string caption = kCaption;
    const PrinterCopy copy =
        SendFileToPrinter(rig.services, PrinterJob{init, exit, caption}, kPath, kPrinter);

    const std::string what = c.datatype + " after " + std::to_string(c.refused.size());
    EXPECT_EQ(copy.delivered, c.delivered) << what;
    EXPECT_EQ(copy.datatype, c.datatype) << what;
    const fakes::SpoolJob& job = rig.fake.spooler.Jobs().at(0);
    EXPECT_EQ(job.startDocCalls, c.starts) << what;
    EXPECT_EQ(job.documentName, kPath) << what;
    EXPECT_EQ(job.Accepted(), c.delivered ? init + "data" + exit : "") << what;
    EXPECT_EQ(rig.fake.boxes.Shown().size(), c.delivered ? 0u : 1u) << what;
  }
}

// A stop given while the document goes out deletes it: no half job prints.
TEST_F(SendFileToPrinterTest, AStopDeletesTheDocumentInProgressWithoutAReport) {
  fake.files.AddFile(kPath, Bytes(5000));
  fake.clock.stepPerReading = kDispatchIntervalMicroseconds;  // a dispatch after each block
  RunStop stop;
  services.stop = &stop;
  fake.pump.onProcess = [&](int call) {
    if (call == 2) stop.Request();
  };

  const std::string caption = kCaption;
  const PrinterCopy copy =
      SendFileToPrinter(services, PrinterJob{init, exit, caption}, kPath, kPrinter);

  EXPECT_FALSE(copy.delivered);
  EXPECT_EQ(copy.fileBytes, 2050u);
  const fakes::SpoolJob& job = OnlyJob();
  EXPECT_EQ(job.writes.size(), 3u);  // INIT and two blocks, no EXIT
  EXPECT_TRUE(job.aborted);
  EXPECT_FALSE(job.endDocCalled);
  EXPECT_TRUE(job.closeCalled);
  EXPECT_TRUE(fake.boxes.Shown().empty());
  EXPECT_EQ(fake.files.OpenHandles(), 0);
}

// The spooler may take part of a write: the rest is given again until all of
// it is taken, and the copy is whole.
TEST_F(SendFileToPrinterTest, WritesTheRestOfAPartlyTakenWrite) {
  const std::string data = Bytes(2100);
  fake.files.AddFile(kPath, data);
  fake.spooler.LimitWrites(400, 2);

  const std::string caption = kCaption;
  EXPECT_TRUE(
      SendFileToPrinter(services, PrinterJob{init, exit, caption}, kPath, kPrinter).delivered);

  const fakes::SpoolJob& job = OnlyJob();
  EXPECT_EQ(job.Accepted(), init + data + exit);
  EXPECT_EQ(job.writes[2], data.substr(400, 625));  // the rest of the first block
  EXPECT_EQ(job.writes.size(), 1u + 3 + 3 + 1 + 1);
  EXPECT_TRUE(fake.boxes.Shown().empty());
}

TEST_F(SendFileToPrinterTest, ReadErrorStopsTheFileWithoutExit) {
  const std::string data = Bytes(2500);
  fake.files.AddFile(kPath, data);
  fake.files.FailReadAfter(kPath, 1025);

  Send();

  const fakes::SpoolJob& job = OnlyJob();
  EXPECT_EQ(job.Accepted(), init + data.substr(0, 1025));
  EXPECT_TRUE(job.endDocCalled);
  EXPECT_EQ(fake.boxes.Texts(), std::vector<std::string>{"Fout bij verwerken van uitvoer!"});
}

TEST_F(SendFileToPrinterTest, FailureToCloseTheSourceIsReportedOnceAfterTheDocument) {
  const std::string data = Bytes(100);
  fake.files.AddFile(kPath, data);
  fake.files.FailClose(kPath);

  Send();
  EXPECT_EQ(OnlyJob().Accepted(), init + data + exit);
  EXPECT_EQ(fake.boxes.Texts(), std::vector<std::string>{"Fout bij verwerken van uitvoer!"});

  // A copy that already failed is not reported twice.
  fake.spooler.FailWrite(2, fakes::WriteFailure::ThisAndLater);
  Send();
  EXPECT_EQ(fake.boxes.Shown().size(), 2u);
}

}  // namespace
}  // namespace morvane::output
