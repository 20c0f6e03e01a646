#include "output/network_output.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "fakes/fake_platform.h"
#include "net/ipp_request.h"
#include "output/ipp_answer.h"
#include "output/lpd_job_numbers.h"
#include "output/output_rig.h"
#include "output/run_stop.h"

namespace morvane::output {
namespace {

using platform::NetworkFailure;

constexpr char kPath[] = "C:\\jobs\\a.prn";
constexpr char kCaption[] = "Uitvoer van bestand naar";
constexpr char kHost[] = "printer.local";

std::string Bytes(std::size_t count) {
  std::string bytes;
  for (std::size_t i = 0; i < count; ++i) bytes.push_back(static_cast<char>(i * 13 + i / 7));
  return bytes;
}

class NetworkOutputTest : public ::testing::Test {
 protected:
  PrinterCopy Send(const std::string& printer) {
    const std::string caption = kCaption;
    return SendFileToPrinter(services, PrinterJob{init, exit, caption}, kPath, printer);
  }

  std::vector<std::string> Boxes() const { return fake.boxes.Texts(); }

  testing::OutputRig rig{42};
  fakes::FakePlatform& fake = rig.fake;
  OutputServices& services = rig.services;
  ControlString init = "\033%-12345X";
  ControlString exit = "\x0c";
};

TEST_F(NetworkOutputTest, ASocketCopyIsInitFileExitOnAConnectionOfItsOwnClosedByThePrinter) {
  const std::string data = Bytes(platform::kNetworkBlockSize + 3);
  fake.files.AddFile(kPath, data);
  fakes::FakePeer& peer = fake.network.Peer(kHost, 9100);
  peer.replies = {{1, "status\r\n"}};  // what the printer says is read and dropped

  for (int copy = 0; copy < 2; ++copy) {
    const PrinterCopy sent = Send("TCP://Printer.Local");
    EXPECT_TRUE(sent.delivered);
    EXPECT_EQ(sent.fileBytes, data.size());
  }

  ASSERT_EQ(peer.sessions.size(), 2u);
  for (const fakes::FakeSession& session : peer.sessions) {
    EXPECT_EQ(session.received, init + data + exit);
    EXPECT_TRUE(session.halfClosed);
    EXPECT_TRUE(session.closed);
    EXPECT_FALSE(session.cutOff);
  }
  EXPECT_TRUE(Boxes().empty());
  EXPECT_TRUE(fake.spooler.OpenAttempts().empty());
  EXPECT_EQ(fake.files.OpenHandles(), 0);
}

TEST_F(NetworkOutputTest, EachFailureNamesTheAddressAndItsCauseAndCutsTheConnectionOff) {
  struct Case {
    std::string name;
    std::function<void(fakes::FakePeer&)> script;
    std::string cause;
    bool connects;
  };
  const std::vector<Case> cases = {
      {"refused",
       [](fakes::FakePeer& peer) {
         peer.connectFailure = {NetworkFailure::Refused, 10061};
       },
       "de printer weigert de verbinding", false},
      {"no answer",
       [](fakes::FakePeer& peer) {
         peer.connectFailure = {NetworkFailure::NoAnswer, 10060};
       },
       "de printer antwoordt niet", false},
      {"reset halfway",
       [](fakes::FakePeer& peer) {
         peer.takes = 100;
         peer.sendFailure = {NetworkFailure::Reset, 10054};
       },
       "de printer verbrak de verbinding", true},
      {"closed early",
       [](fakes::FakePeer& peer) {
         peer.takes = 100;
         peer.sendFailure = {NetworkFailure::ClosedEarly, 0};
       },
       "de printer sloot de verbinding voordat alles was verzonden", true},
      // A peer that closed after taking part shows it by the reset that follows.
      {"reset after the half-close",
       [](fakes::FakePeer& peer) {
         peer.receiveFailure = {NetworkFailure::Reset, 10054};
       },
       "de printer verbrak de verbinding", true},
      {"never closes",
       [](fakes::FakePeer& peer) {
         peer.receiveFailure = {NetworkFailure::NoAnswer, 10060};
       },
       "de printer antwoordt niet", true},
      {"other",
       [](fakes::FakePeer& peer) {
         peer.connectFailure = {NetworkFailure::Other, 10050};
       },
       "netwerkfout 10050", false},
  };
  for (const Case& c : cases) {
    testing::OutputRig local{42};
    local.fake.files.AddFile(kPath, Bytes(5000));
    fakes::FakePeer& peer = local.fake.network.Peer("127.0.0.7", 9101);
    c.script(peer);
    const std::string caption = kCaption;

    const PrinterCopy sent = SendFileToPrinter(local.services, PrinterJob{init, exit, caption},
                                               kPath, "tcp://127.0.0.7:9101");

    EXPECT_FALSE(sent.delivered) << c.name;
    ASSERT_EQ(local.fake.boxes.Shown().size(), 1u) << c.name;
    EXPECT_EQ(local.fake.boxes.Shown()[0].text,
              "Fout bij uitvoer naar tcp://127.0.0.7:9101: " + c.cause + "!")
        << c.name;
    EXPECT_EQ(local.fake.boxes.Shown()[0].caption, "Bestand uitvoer") << c.name;
    ASSERT_EQ(peer.sessions.size(), c.connects ? 1u : 0u) << c.name;
    if (c.connects) {
      EXPECT_TRUE(peer.sessions[0].cutOff) << c.name;
      EXPECT_FALSE(peer.sessions[0].closed) << c.name;
    }
    EXPECT_EQ(local.fake.files.OpenHandles(), 0) << c.name;
  }

  // A name that resolves to nothing.
  fake.files.AddFile(kPath, "x");
  EXPECT_FALSE(Send("tcp://nowhere.invalid").delivered);
  EXPECT_EQ(Boxes(), std::vector<std::string>{
                         "Fout bij uitvoer naar tcp://nowhere.invalid: de naam van de printer is "
                         "onbekend!"});
}

TEST_F(NetworkOutputTest, AStopDuringAStalledSendCutsTheCopyOffWithoutAWord) {
  fake.files.AddFile(kPath, Bytes(10000));
  fakes::FakePeer& peer = fake.network.Peer(kHost, 9100);
  peer.takes = 4000;
  peer.stallMessages = 1000;
  RunStop stop;
  services.stop = &stop;
  fake.pump.onProcess = [&](int call) {
    if (call == 3) stop.Request();
  };

  EXPECT_FALSE(Send("tcp://printer.local").delivered);

  ASSERT_EQ(peer.sessions.size(), 1u);
  EXPECT_EQ(peer.sessions[0].messagesTold, 3);
  EXPECT_TRUE(peer.sessions[0].cancelled);
  EXPECT_TRUE(peer.sessions[0].cutOff);
  EXPECT_FALSE(peer.sessions[0].halfClosed);
  EXPECT_TRUE(Boxes().empty());
}

// What an LPD copy of `data` sends, step by step, for job `number`, with
// the acknowledgement the server gives after each.
std::vector<std::string> LpdSteps(int number, const std::string& document) {
  char digits[4];
  std::snprintf(digits, sizeof digits, "%03d", number);
  const std::string data = "dfA" + std::string(digits) + "KANTOOR-PC";
  const std::string control =
      "HKANTOOR-PC\nPjansen\nJC:\\jobs\\a.prn\nl" + data + "\nU" + data + "\nNC:\\jobs\\a.prn\n";
  return {"\x02raw\n", "\x02" + std::to_string(control.size()) + " cfA" + digits + "KANTOOR-PC\n",
          control + '\0', "\x03" + std::to_string(document.size()) + " " + data + "\n",
          document + '\0'};
}

void AcknowledgeEach(fakes::FakePeer& peer, const std::vector<std::string>& steps,
                     std::size_t refusedStep = SIZE_MAX, const std::string& refusal = "") {
  std::uint64_t sent = 0;
  for (std::size_t step = 0; step < steps.size() && step <= refusedStep; ++step) {
    sent += steps[step].size();
    peer.replies.push_back({sent, step == refusedStep ? refusal : std::string(1, '\0')});
  }
}

TEST_F(NetworkOutputTest, AnLpdCopyIsAJobOfItsOwnWhoseNumberGoesOnFromTheLastOneUsed) {
  const std::string data = Bytes(platform::kNetworkBlockSize + 1);
  fake.files.AddFile(kPath, data);
  fake.registry.StoreString(platform::RegistryRoot::CurrentUser, kProgramRegistryKeyPath,
                            kLpdJobNumberValueName, "998");
  fakes::FakePeer& peer = fake.network.Peer(kHost, 515);
  const std::string document = init + data + exit;
  // Each connection sees the replies anew: acknowledge every step of either job.
  AcknowledgeEach(peer, LpdSteps(999, document));

  for (int copy = 0; copy < 2; ++copy) EXPECT_TRUE(Send("lpd://printer.local/raw").delivered);

  ASSERT_EQ(peer.sessions.size(), 2u);
  std::string first, second;
  for (const std::string& step : LpdSteps(999, document)) first += step;
  for (const std::string& step : LpdSteps(0, document)) second += step;
  EXPECT_EQ(peer.sessions[0].received, first);
  EXPECT_EQ(peer.sessions[1].received, second);
  for (const fakes::FakeSession& session : peer.sessions) EXPECT_TRUE(session.closed);
  EXPECT_EQ(fake.registry
                .StoredValue(platform::RegistryRoot::CurrentUser, kProgramRegistryKeyPath,
                             kLpdJobNumberValueName)
                ->data,
            std::string("0") + '\0');
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(NetworkOutputTest, EveryLpdAcknowledgementIsChecked) {
  const std::string document = init + "abc" + exit;
  for (std::size_t refused = 0; refused < 5; ++refused) {
    testing::OutputRig local{42};
    local.fake.files.AddFile(kPath, "abc");
    fakes::FakePeer& peer = local.fake.network.Peer(kHost, 515);
    AcknowledgeEach(peer, LpdSteps(0, document), refused, "\x01no such queue\n");
    const std::string caption = kCaption;

    EXPECT_FALSE(SendFileToPrinter(local.services, PrinterJob{init, exit, caption}, kPath,
                                   "lpd://printer.local/raw")
                     .delivered)
        << refused;

    EXPECT_EQ(local.fake.boxes.Texts(),
              std::vector<std::string>{"Fout bij uitvoer naar lpd://printer.local/raw: de printer "
                                       "weigert de opdracht (antwoord 1: no such queue)!"})
        << refused;
    ASSERT_EQ(peer.sessions.size(), 1u);
    EXPECT_TRUE(peer.sessions[0].cutOff) << refused;
    // Nothing goes past the step refused.
    std::string upTo;
    for (std::size_t step = 0; step <= refused; ++step) upTo += LpdSteps(0, document)[step];
    EXPECT_EQ(peer.sessions[0].received, upTo) << refused;
  }

  // A server that closes instead of answering.
  fake.files.AddFile(kPath, "abc");
  fakes::FakePeer& closing = fake.network.Peer(kHost, 515);
  closing.closesFirst = true;
  EXPECT_FALSE(Send("lpd://printer.local/raw").delivered);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Fout bij uitvoer naar lpd://printer.local/raw: de "
                                              "printer sloot de verbinding voordat alles was "
                                              "verzonden!"});
}

// The body of a chunked HTTP request, its head and chunks checked.
std::string Dechunked(const std::string& request) {
  std::size_t at = request.find("\r\n\r\n");
  EXPECT_NE(at, std::string::npos);
  at += 4;
  std::string body;
  for (;;) {
    const std::size_t lineEnd = request.find("\r\n", at);
    const std::size_t size = std::stoul(request.substr(at, lineEnd - at), nullptr, 16);
    at = lineEnd + 2;
    if (size == 0) {
      EXPECT_EQ(request.substr(at), "\r\n");
      return body;
    }
    EXPECT_GT(size, 0u);
    body += request.substr(at, size);
    at += size;
    EXPECT_EQ(request.substr(at, 2), "\r\n");
    at += 2;
  }
}

TEST_F(NetworkOutputTest, AnIppCopyIsAPrintJobWithTheDocumentInAChunkedBody) {
  const std::string data = Bytes(platform::kNetworkBlockSize + 5);
  fake.files.AddFile(kPath, data);
  fakes::FakePeer& peer = fake.network.Peer(kHost, 631);
  peer.replies = {{1, testing::IppAnswer(0, 42, net::kJobPending)}};

  const PrinterCopy sent = Send("ipp://printer.local/printers/q");

  EXPECT_TRUE(sent.delivered);
  EXPECT_EQ(sent.ippJobId, 42);
  ASSERT_EQ(peer.sessions.size(), 1u);
  const std::string& request = peer.sessions[0].received;
  EXPECT_EQ(request.substr(0, request.find("\r\n\r\n") + 4),
            "POST /printers/q HTTP/1.1\r\nHost: printer.local:631\r\nContent-Type: "
            "application/ipp\r\nTransfer-Encoding: chunked\r\n\r\n");
  EXPECT_EQ(Dechunked(request),
            net::EncodePrintJob({1, "ipp://printer.local/printers/q", "jansen"}, kPath) + init +
                data + exit);
  EXPECT_TRUE(peer.sessions[0].closed);
  EXPECT_TRUE(Boxes().empty());

  // A printer that refuses the job says why.
  testing::OutputRig refusing{42};
  refusing.fake.files.AddFile(kPath, "x");
  refusing.fake.network.Peer(kHost, 631).replies = {{1, testing::IppAnswer(0x0406)}};
  const std::string caption = kCaption;
  EXPECT_FALSE(SendFileToPrinter(refusing.services, PrinterJob{init, exit, caption}, kPath,
                                 "ipp://printer.local/printers/q")
                   .delivered);
  EXPECT_EQ(refusing.fake.boxes.Texts(),
            std::vector<std::string>{"Fout bij uitvoer naar ipp://printer.local/printers/q: de "
                                     "printer weigert de opdracht (IPP-status 0x0406)!"});
}

TEST_F(NetworkOutputTest, ABadAddressIsReportedAndNothingIsSent) {
  fake.files.AddFile(kPath, "x");
  for (const std::string bad : {"tcp://", "lpd://host", "ftp://host/x", "tcp://host:0"}) {
    EXPECT_FALSE(Send(bad).delivered) << bad;
  }
  EXPECT_EQ(Boxes(),
            (std::vector<std::string>{
                "Ongeldig printeradres: tcp://", "Ongeldig printeradres: lpd://host",
                "Ongeldig printeradres: ftp://host/x", "Ongeldig printeradres: tcp://host:0"}));
  EXPECT_TRUE(fake.spooler.OpenAttempts().empty());
  EXPECT_EQ(fake.files.OpenHandles(), 0);
}

}  // namespace
}  // namespace morvane::output
