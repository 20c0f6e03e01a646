#include <gtest/gtest.h>

#include "base/name_text.h"
#include "forms/program_fixture.h"

namespace morvane::testing {
namespace {

constexpr char kQueue[] = "MorvaneCapture";

class BatchTest : public ::testing::Test {
 protected:
  BatchTest() {
    p.fake.spooler.AddPrinter(kQueue);
    p.fake.printerSetup.SetCurrentDevice(kQueue);
    std::string ini;
    for (int line = 1; line <= 10; ++line) ini += "dev" + std::to_string(line) + "\r\n";
    ini += "<init>\r\n<exit>\r\n";
    p.fake.files.AddFile(kIniPath, ini);
  }

  std::vector<std::string> SentDocuments() const {
    std::vector<std::string> names;
    for (const auto& job : p.fake.spooler.Jobs()) names.push_back(job.documentName);
    return names;
  }

  ProgramFixture p;
};

TEST_F(BatchTest, SendsEachExistingFileOnceFramedByTheWinStringsThenCloses) {
  p.fake.files.AddFile("a.prn", "AAAA");
  p.fake.files.AddFile("C:\\data\\b.prn", "BB");
  p.fake.files.AddFile("ab", "apostrophe");
  p.fake.files.AddDirectory("C:\\data");
  p.SetCommandLine("/win a.prn missing.prn 'C:\\data\\b.prn' C:\\data 'abc ' \"a.prn\"");
  bool busyDuringRun = false;
  p.fake.pump.onProcess = [&](int) {
    if (p.fake.spooler.Jobs().size() == 1) busyDuringRun = !p.main().BitBtn6.Enabled();
  };
  bool closed = false;
  p.Start();
  p.main().OnClose = [&] { closed = true; };
  p.ShowAndActivate();

  EXPECT_EQ(SentDocuments(), (std::vector<std::string>{"a.prn", "C:\\data\\b.prn", "ab", "a.prn"}));
  for (const auto& job : p.fake.spooler.Jobs()) EXPECT_EQ(job.printerName, kQueue);
  EXPECT_EQ(p.fake.spooler.Jobs()[0].Accepted(), "<init>AAAA<exit>");
  EXPECT_EQ(p.fake.spooler.Jobs()[2].Accepted(), "<init>apostrophe<exit>");
  EXPECT_TRUE(p.fake.boxes.Shown().empty());  // missing names are skipped silently
  EXPECT_TRUE(busyDuringRun);
  EXPECT_TRUE(p.main().Minimized());
  EXPECT_TRUE(p.main().BitBtn6.Enabled());
  EXPECT_EQ(p.fake.cursor.Get(), base::Cursor::Default);
  EXPECT_TRUE(closed);
  // Undelivered: the missing name, the folder and the lone apostrophe.
  EXPECT_EQ(p.main().BatchExitStatus(), 3);

  p.Finish();
  EXPECT_EQ(p.StoredRegistry("LASTPRINTER"), std::string(kQueue) + '\0');
  EXPECT_EQ(p.fake.files.Replaces().size(), 0u);  // nothing was edited: no control file written
}

TEST_F(BatchTest, PrinterIsReadAfreshForEveryFileAndTheRunStartsOnlyOnce) {
  p.fake.spooler.AddPrinter("Second");
  p.fake.files.AddFile("1.prn", "1");
  p.fake.files.AddFile("2.prn", "2");
  p.SetCommandLine("/WIN 1.prn 2.prn");
  p.StoreRegistry("LASTPRINTER", kQueue);
  p.Start();
  p.fake.pump.onProcess = [&](int) {
    if (p.fake.spooler.Jobs().size() == 1) p.main().PrintersComboBox.SetText("Second");
  };
  p.ShowAndActivate();
  p.main().NotifyActivated();  // a later activation does not run it again

  ASSERT_EQ(p.fake.spooler.Jobs().size(), 2u);
  EXPECT_EQ(p.fake.spooler.Jobs()[0].printerName, kQueue);
  EXPECT_EQ(p.fake.spooler.Jobs()[1].printerName, "Second");
}

TEST_F(BatchTest, OnlyASlashWinFirstArgumentStartsABatch) {
  p.fake.files.AddFile("a.prn", "A");
  for (const char* line : {"a.prn /WIN a.prn", "-WIN a.prn", "/WINDOWS a.prn", ""}) {
    ProgramFixture other;
    other.fake.files.AddFile("a.prn", "A");
    other.SetCommandLine(line);
    bool closed = false;
    other.Start();
    other.main().OnClose = [&] { closed = true; };
    other.ShowAndActivate();
    EXPECT_TRUE(other.fake.spooler.OpenAttempts().empty()) << line;
    EXPECT_FALSE(closed) << line;
    EXPECT_FALSE(other.main().Minimized()) << line;
  }
}

TEST_F(BatchTest, FailuresAreReportedPerFileAndTheRunGoesOn) {
  p.fake.files.AddFile("locked.prn", "L");
  p.fake.files.RefuseOpen("locked.prn");
  p.fake.files.AddFile("ok.prn", "OK");
  // The second name holds a character the platform could not carry.
  p.fake.files.AddFile("x?\xFF.prn", "never");
  p.SetCommandLine("/WIN locked.prn x?\xFF.prn ok.prn");
  p.StoreRegistry("LASTPRINTER", "Nobody");
  p.Start();
  p.ShowAndActivate();

  // An unknown printer: the error number under the main window's caption.
  EXPECT_EQ(p.fake.boxes.Texts(), (std::vector<std::string>{"Fout bij openen bronbestand!",
                                                            base::kNameNotCarried, "error 1801"}));
  EXPECT_EQ(p.fake.boxes.Shown()[1].caption, "Bestand uitvoer");
  EXPECT_EQ(p.fake.boxes.Shown()[2].caption, "Uitvoer van bestand naar");
  EXPECT_EQ(p.fake.boxes.Shown()[2].owner, p.main().Handle());
  EXPECT_TRUE(p.main().BitBtn1.Enabled());
  EXPECT_EQ(p.main().BatchExitStatus(), 3);
}

TEST_F(BatchTest, ExitStatusCountsEveryFileNotDeliveredWholeUpTo255) {
  p.fake.files.AddFile("ok.prn", "ok");
  p.fake.files.AddFile("half.prn", std::string(3000, 'h'));
  p.fake.spooler.FailWrite(4, fakes::WriteFailure::ThisAndLater);  // a third block
  std::string line = "/WIN ok.prn half.prn";
  p.SetCommandLine(line);
  p.Start();
  p.ShowAndActivate();
  EXPECT_EQ(p.main().BatchExitStatus(), 1);  // the second file broke off after a block

  ProgramFixture many;
  std::string names = "/win";
  for (int i = 0; i < 300; ++i) names += " gone" + std::to_string(i);
  many.SetCommandLine(names);
  many.Start();
  many.ShowAndActivate();
  EXPECT_EQ(many.main().BatchExitStatus(), 255);

  ProgramFixture none;
  none.SetCommandLine("/win");
  none.Start();
  none.ShowAndActivate();
  EXPECT_EQ(none.main().BatchExitStatus(), 0);
}

}  // namespace
}  // namespace morvane::testing
