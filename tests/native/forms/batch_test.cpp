#include <gtest/gtest.h>

#include <utility>

#include "base/name_text.h"
#include "forms/program_fixture.h"
#include "net/ipp_request.h"
#include "output/ipp_answer.h"

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

// The stamp of every line at the fake clock's moment.
constexpr char kStamp[] = "2024-03-05T14:07:09\t";

TEST_F(BatchTest, OptionsSendEachFileNTimesToTheNamedPrinterAndLogEveryCopy) {
  p.fake.spooler.AddPrinter("Label Printer");
  p.fake.files.AddFile("caf\xC3\xA9.prn", "AAAA");
  p.fake.files.AddFile("b.prn", "B");
  p.fake.files.RefuseOpen("b.prn");
  p.fake.files.AddFile("C:\\logs\\run.log", "earlier\r\n");
  p.StoreRegistry("LASTPRINTER", kQueue);
  p.SetCommandLine(
      "/WIN /copies=3 caf\xC3\xA9.prn \"/printer=label PRINTER\" gone.prn b.prn "
      "/LOG=C:\\logs\\run.log");
  p.Start();
  int dispatches = 0;
  p.fake.pump.onProcess = [&](int) { ++dispatches; };
  p.ShowAndActivate();

  // a a a, then the missing name, then b b b failing: the copies of a file in a row.
  EXPECT_EQ(SentDocuments(),
            (std::vector<std::string>{"caf\xC3\xA9.prn", "caf\xC3\xA9.prn", "caf\xC3\xA9.prn"}));
  for (const auto& job : p.fake.spooler.Jobs()) {
    EXPECT_EQ(job.printerName, "Label Printer");  // the listed name, not the one given
    EXPECT_EQ(job.Accepted(), "<init>AAAA<exit>");
  }
  EXPECT_GE(dispatches, 7);  // before every copy and every name
  EXPECT_EQ(p.fake.boxes.Texts(), std::vector<std::string>(3, "Fout bij openen bronbestand!"));
  EXPECT_EQ(p.main().BatchExitStatus(), 2);
  const std::string delivered =
      std::string(kStamp) + "afgeleverd\tLabel Printer\tcaf\xC3\xA9.prn\t4\r\n";
  const std::string failed =
      std::string(kStamp) + "mislukt: Fout bij openen bronbestand!\tLabel Printer\tb.prn\t0\r\n";
  EXPECT_EQ(p.fake.files.Contents("C:\\logs\\run.log"),
            "earlier\r\n" + delivered + delivered + delivered + kStamp +
                "niet gevonden\tLabel Printer\tgone.prn\t0\r\n" + failed + failed + failed);

  // The option was for this run only: the stored last printer stays.
  p.Finish();
  EXPECT_EQ(p.StoredRegistry("LASTPRINTER"), std::string(kQueue) + '\0');
}

// The line of a copy a version-4 driver took as XPS_PASS says so after the
// result; a RAW copy's line is as it always was.
TEST_F(BatchTest, TheLogSaysWhichDatatypeTookTheCopy) {
  p.fake.spooler.AddPrinter("V4");
  p.fake.spooler.RefuseDatatype("RAW");
  p.fake.files.AddFile("a.prn", "AA");
  p.SetCommandLine("/WIN /QUIET /PRINTER=V4 a.prn /LOG=x.log");
  p.Start();
  p.ShowAndActivate();

  EXPECT_EQ(p.main().BatchExitStatus(), 0);
  EXPECT_EQ(p.fake.spooler.Jobs().at(0).Accepted(), "<init>AA<exit>");
  EXPECT_EQ(p.fake.files.Contents("x.log"),
            std::string(kStamp) + "afgeleverd: XPS_PASS\tV4\ta.prn\t2\r\n");
}

TEST_F(BatchTest, AnAddressNeedsNoQueueAndIsRememberedAsAPrinterNameIs) {
  p.fake.files.AddFile("a.prn", "AA");
  fakes::FakePeer& printer = p.fake.network.Peer("127.0.0.1", 9100);
  p.fake.network.Peer("127.0.0.1", 9102).connectFailure = {platform::NetworkFailure::Refused, 0};
  p.StoreRegistry("LASTPRINTER", "tcp://127.0.0.1");
  p.SetCommandLine("/WIN /QUIET /COPIES=2 /PRINTER=tcp://127.0.0.1:9102 a.prn /LOG=x.log");
  p.Start();
  p.ShowAndActivate();

  EXPECT_EQ(p.main().BatchExitStatus(), 1);
  EXPECT_EQ(p.fake.files.Contents("x.log"),
            std::string(kStamp) +
                "mislukt: Fout bij uitvoer naar tcp://127.0.0.1:9102: de printer weigert de "
                "verbinding!\ttcp://127.0.0.1:9102\ta.prn\t0\r\n" +
                kStamp +
                "mislukt: Fout bij uitvoer naar tcp://127.0.0.1:9102: de printer weigert de "
                "verbinding!\ttcp://127.0.0.1:9102\ta.prn\t0\r\n");
  EXPECT_EQ(p.StoredRegistry("LASTPRINTER"), std::string("tcp://127.0.0.1") + '\0');

  // Without the option the remembered address is the printer.
  ProgramFixture again;
  again.fake.files.AddFile("a.prn", "AA");
  fakes::FakePeer& remembered = again.fake.network.Peer("127.0.0.1", 9100);
  again.StoreRegistry("LASTPRINTER", "tcp://127.0.0.1");
  again.SetCommandLine("/WIN a.prn");
  again.Start();
  again.ShowAndActivate();
  EXPECT_EQ(again.main().BatchExitStatus(), 0);
  ASSERT_EQ(remembered.sessions.size(), 1u);
  EXPECT_EQ(remembered.sessions[0].received, "AA");
  EXPECT_TRUE(printer.sessions.empty());
  EXPECT_TRUE(again.fake.spooler.OpenAttempts().empty());
}

TEST_F(BatchTest, AfterItsLastCopyAnIppRunLogsThePrintersWordOnEachJob) {
  struct Case {
    std::int32_t state;
    std::vector<std::string> reasons;
    std::string word;
    int status;
  };
  const std::vector<Case> cases = {
      {net::kJobCompleted, {}, "afgedrukt", 0},
      {net::kJobAborted,
       {"media-empty-error", "job-canceled-by-system"},
       "mislukt: de printer meldt afgebroken: media-empty-error, job-canceled-by-system",
       1},
      {net::kJobCanceled, {}, "mislukt: de printer meldt geannuleerd", 1},
      // Never final: the run waits its bound, then says so.
      {net::kJobProcessing, {}, "nog niet bekend", 0},
  };
  for (const Case& c : cases) {
    ProgramFixture run;
    run.fake.files.AddFile("a.prn", "AA");
    // The printer gives the same answer to the job and to each question on it.
    run.fake.network.Peer("printer", 631).replies = {
        {1, testing::IppAnswer(0, 7, c.state, c.reasons)}};
    run.SetCommandLine("/WIN /QUIET /COPIES=2 /PRINTER=ipp://printer/ipp/print a.prn /LOG=x.log");
    run.Start();
    run.ShowAndActivate();

    EXPECT_EQ(run.main().BatchExitStatus(), c.status) << c.word;
    const std::string copy = "\tipp://printer/ipp/print\ta.prn\t2\r\n";
    std::string expected;
    for (const std::string& result : {std::string("afgeleverd"), std::string("afgeleverd"),
                                      std::string(c.word), std::string(c.word)}) {
      expected.append(kStamp).append(result).append(copy);
    }
    EXPECT_EQ(run.fake.files.Contents("x.log"), expected) << c.word;
    const std::size_t questions = run.fake.network.Peer("printer", 631).sessions.size() - 2;
    if (c.state == net::kJobProcessing) {
      EXPECT_GE(run.fake.pump.WaitedMilliseconds(), 179000);
      EXPECT_LE(run.fake.pump.WaitedMilliseconds(), 181000);
      EXPECT_GT(questions, 100u);
    } else {
      EXPECT_EQ(questions, 2u) << c.word;  // one per job, final at once
    }
  }
}

TEST_F(BatchTest, AStopFromTheWindowLeavesTheCopiesNotSentUndelivered) {
  p.fake.files.AddFile("a.prn", "A");
  p.fake.files.AddFile("b.prn", "B");
  p.SetCommandLine("/WIN /COPIES=2 a.prn b.prn /LOG=s.log");
  p.Start();
  bool closed = false;
  p.main().OnClose = [&] { closed = true; };
  p.fake.boxes.SetAnswer(platform::kButtonYes);
  p.fake.pump.onProcess = [&](int) {
    // The task-bar button's close, after the first copy.
    if (p.fake.spooler.Jobs().size() == 1) p.main().Close();
  };
  p.ShowAndActivate();

  EXPECT_EQ(SentDocuments(), std::vector<std::string>{"a.prn"});
  EXPECT_EQ(p.fake.boxes.Texts(), std::vector<std::string>{"Uitvoer afbreken?"});
  EXPECT_TRUE(closed);
  EXPECT_EQ(p.main().BatchExitStatus(), 2);
  EXPECT_EQ(p.fake.files.Contents("s.log"),
            std::string(kStamp) + "afgeleverd\tMorvaneCapture\ta.prn\t1\r\n" + kStamp +
                "mislukt: afgebroken\tMorvaneCapture\ta.prn\t0\r\n" + kStamp +
                "mislukt: afgebroken\tMorvaneCapture\tb.prn\t0\r\n");
}

TEST_F(BatchTest, AQuietRunShowsNoBoxAndItsLogSaysWhatEachCopyGave) {
  p.fake.files.AddFile("big.prn", std::string(3000, 'b'));
  p.fake.files.AddFile("x?\xFF.prn", "never");
  p.fake.spooler.FailWrite(3, fakes::WriteFailure::ThisAndLater);  // the second block
  p.SetCommandLine("/WIN /Quiet big.prn x?\xFF.prn /log=q.log");
  // In extended mode a drop during the run is taken into the list; its
  // warning is the run's and stays quiet too.
  p.StoreRegistry("EXTENDEDMODE", "ON");
  bool closed = false;
  p.Start();
  p.main().OnClose = [&] { closed = true; };
  bool dropped = false;
  p.fake.pump.onProcess = [&](int) {
    if (!std::exchange(dropped, true)) p.main().OnDropFiles(ui::DroppedFiles{{"y?\xFF"}, 0, 0});
  };
  p.ShowAndActivate();

  EXPECT_TRUE(dropped);
  EXPECT_TRUE(p.fake.boxes.Shown().empty());
  EXPECT_TRUE(closed);
  EXPECT_EQ(p.main().BatchExitStatus(), 2);
  EXPECT_EQ(p.fake.cursor.Get(), base::Cursor::Default);
  EXPECT_EQ(p.fake.files.Contents("q.log"),
            std::string(kStamp) +
                "mislukt: Fout bij verwerken van uitvoer!\tMorvaneCapture\tbig.prn\t1025\r\n" +
                kStamp + "mislukt: " + base::kNameNotCarried +
                "\tMorvaneCapture\tx\xEF\xBF\xBD.prn\t0\r\n");
}

TEST_F(BatchTest, ABadOptionOrAnUnknownPrinterSendsNothing) {
  struct Case {
    std::string line;
    std::string box;
    int status;
  };
  const std::vector<Case> cases = {
      {"/WIN a.prn /COPIES=0 b.prn", "Ongeldige optie: /COPIES=0", 2},
      {"/WIN /printer=", "Ongeldige optie: /printer=", 1},
      {"/WIN a.prn /copies=2 /COPIES=3", "Ongeldige optie: /COPIES=3", 1},
      {"/WIN a.prn /Log=C:\\data", "Ongeldige optie: /Log=C:\\data", 1},  // a folder
      {"/WIN a.prn /PRINTER=Nobody b.prn", "Printer niet gevonden: Nobody", 2},
      {"/WIN a.prn /Printer=tcp://host:0", "Ongeldige optie: /Printer=tcp://host:0", 1},
      {"/WIN a.prn /PRINTER=ipp://host", "Ongeldige optie: /PRINTER=ipp://host", 1},
  };
  for (const bool quiet : {false, true}) {
    for (const Case& c : cases) {
      ProgramFixture run;
      run.fake.spooler.AddPrinter(kQueue);
      run.fake.files.AddFile("a.prn", "A");
      run.fake.files.AddFile("b.prn", "B");
      run.fake.files.AddDirectory("C:\\data");
      run.SetCommandLine(c.line + (quiet ? " /QUIET" : ""));
      bool closed = false;
      run.Start();
      run.main().OnClose = [&] { closed = true; };
      run.ShowAndActivate();

      EXPECT_TRUE(run.fake.spooler.OpenAttempts().empty()) << c.line;
      EXPECT_TRUE(closed) << c.line;
      EXPECT_EQ(run.main().BatchExitStatus(), c.status) << c.line;
      if (quiet) {
        EXPECT_TRUE(run.fake.boxes.Shown().empty()) << c.line;
      } else {
        ASSERT_EQ(run.fake.boxes.Texts(), std::vector<std::string>{c.box}) << c.line;
        EXPECT_EQ(run.fake.boxes.Shown()[0].caption, "Bestand uitvoer");
      }
    }
  }
  // A refused run still says so in its log, once for every named file.
  ProgramFixture logged;
  logged.fake.spooler.AddPrinter(kQueue);
  logged.SetCommandLine("/WIN /QUIET /LOG=r.log /PRINTER=Nobody a.prn");
  logged.Start();
  logged.ShowAndActivate();
  EXPECT_EQ(logged.fake.files.Contents("r.log"),
            std::string(kStamp) + "mislukt: Printer niet gevonden: Nobody\tNobody\ta.prn\t0\r\n");
}

// The end-to-end tests bring about held files and closes; here what they
// cannot: a file let go during the wait, a full log, a close before the run.
TEST_F(BatchTest, AHeldControlFileIsWaitedForAndALostLogLineCountsItsFile) {
  p.fake.files.AddFile("a.prn", "A");
  p.fake.files.AddFile("b.prn", "B");
  p.fake.files.HoldFile(kIniPath, 2);           // the start and one more try
  p.fake.files.FailWriteAfter("full.log", 60);  // the second line fails
  p.SetCommandLine("/WIN /QUIET a.prn b.prn /LOG=full.log");
  p.Start();
  p.ShowAndActivate();
  EXPECT_TRUE(p.fake.system.SystemBoxesSuppressed());
  EXPECT_TRUE(p.fake.boxes.Shown().empty());
  EXPECT_EQ(p.fake.spooler.Jobs().at(1).Accepted(), "<init>B<exit>");
  EXPECT_EQ(p.main().BatchExitStatus(), 1);
}

TEST_F(BatchTest, ARunStartsOnceWithoutActivationAndACloseBeforeItCountsTheFiles) {
  p.fake.files.AddFile("a.prn", "A");
  p.SetCommandLine("/WIN a.prn");
  p.Start();
  p.main().Show();  // shown hidden: no activation follows
  p.main().Timers().at(0)->Fire();
  p.main().NotifyActivated();
  EXPECT_EQ(SentDocuments(), std::vector<std::string>{"a.prn"});

  ProgramFixture early;
  early.SetCommandLine("/WIN a.prn b.prn");
  early.Start();
  early.main().Show();
  early.main().Close();
  early.main().Timers().at(0)->Fire();
  EXPECT_TRUE(early.fake.spooler.OpenAttempts().empty());
  EXPECT_EQ(early.main().BatchExitStatus(), 2);
}

TEST_F(BatchTest, AWatchRestsWhileTheSessionMayEndAndEndsWithItAndItsLostLinesCount) {
  p.fake.files.AddDirectory("C:\\in");
  p.fake.folders.Arrive("C:\\in", "a.prn", "A");
  p.fake.files.FailWriteAfter("w.log", 0);  // no line reaches the log
  p.SetCommandLine("/WIN /QUIET /WATCH=C:\\in /LOG=w.log");
  int rests = 0;
  std::vector<bool> answers;
  std::vector<std::size_t> jobsAtTheEnds;
  p.fake.pump.onProcess = [&](int) {
    const std::size_t jobs = p.fake.spooler.Jobs().size();
    if (!p.main().RunInProgress() || jobs == 0) return;
    if (answers.empty() || (answers.size() == 1 && jobs == 2)) {
      // Between files: the watch lets the session end and takes no file.
      answers.push_back(p.main().OnQueryEndSession());
      if (jobs == 1) p.fake.folders.Arrive("C:\\in", "b.prn", "B");
      rests = 0;
    } else if (++rests == 5) {
      // The first time the session goes on after all, the second it ends.
      jobsAtTheEnds.push_back(jobs);
      p.main().OnEndSession(jobs == 2);
    }
  };
  p.Start();
  p.ShowAndActivate();
  EXPECT_EQ(answers, (std::vector<bool>{true, true}));
  EXPECT_EQ(jobsAtTheEnds, (std::vector<std::size_t>{1, 2}));
  EXPECT_EQ(SentDocuments(),
            (std::vector<std::string>{"C:\\in\\bezig\\a.prn", "C:\\in\\bezig\\b.prn"}));
  EXPECT_FALSE(p.fake.shell.BlockReason());
  EXPECT_FALSE(p.main().RunInProgress());
  EXPECT_EQ(p.main().BatchExitStatus(), 2);
}

}  // namespace
}  // namespace morvane::testing
