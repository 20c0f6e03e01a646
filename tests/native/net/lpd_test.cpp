#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "net/lpd_job.h"

namespace morvane::net {
namespace {

using namespace std::string_literals;

TEST(LpdJob, NumbersGoOnFromTheLastAndRoundAfter999) {
  EXPECT_EQ(NextLpdJobNumber(std::nullopt), 0);
  EXPECT_EQ(NextLpdJobNumber(0), 1);
  EXPECT_EQ(NextLpdJobNumber(41), 42);
  EXPECT_EQ(NextLpdJobNumber(999), 0);
  EXPECT_EQ(NextLpdJobNumber(1000), 0);
  EXPECT_EQ(NextLpdJobNumber(-5), 0);
}

TEST(LpdJob, CommandsAndControlFileCarryTheJobAsTheProtocolSays) {
  const LpdJob job = MakeLpdJob(7, "pc-01", "jan", "C:\\labels\\a.zpl");
  EXPECT_EQ(ReceiveJobCommand("raw"), "\x02raw\n");
  EXPECT_EQ(ControlFileName(job), "cfA007pc-01");
  const std::string control = LpdControlFile(job);
  EXPECT_EQ(control,
            "Hpc-01\nPjan\nJC:\\labels\\a.zpl\nldfA007pc-01\nUdfA007pc-01\nNC:\\labels\\a.zpl\n");
  EXPECT_EQ(ReceiveControlFileCommand(job, control.size()),
            "\x02"
            "72 cfA007pc-01\n");
  EXPECT_EQ(ReceiveDataFileCommand(job, 5000000000u),
            "\x03"
            "5000000000 dfA007pc-01\n");
  EXPECT_EQ(DataFileName(MakeLpdJob(123, "h", "u", "d")), "dfA123h");
}

TEST(LpdJob, TextsAreMadeSafeAndCutToTheProtocolsLimits) {
  const std::string longName = std::string(98, 'j') + "\xC3\xA9" + std::string(40, 'k');
  const LpdJob job = MakeLpdJob(1, "my host\n" + std::string(40, 'h'), "", "a\nHx\x7F" + longName);
  EXPECT_EQ(job.host, "my_host_" + std::string(23, 'h'));
  EXPECT_EQ(job.user, "anonymous");
  EXPECT_EQ(MakeLpdJob(1, "", "jan piet", "").host, "localhost");
  EXPECT_EQ(MakeLpdJob(1, "", "jan piet", "").user, "jan_piet");
  // The control characters are blanks, and the two-octet character does not fit.
  EXPECT_EQ(job.jobName, "a Hx " + std::string(94, 'j'));
  EXPECT_EQ(job.sourceName.size(), 5 + 98 + 2 + 26u);
  // No line of the control file but its own: six lines.
  const std::string control = LpdControlFile(job);
  EXPECT_EQ(std::count(control.begin(), control.end(), '\n'), 6);
}

TEST(LpdJob, AcknowledgementIsOneZeroOctet) {
  EXPECT_EQ(ReadLpdAcknowledgement("").answer, LpdAnswer::NeedMore);
  EXPECT_EQ(ReadLpdAcknowledgement("\0"s).answer, LpdAnswer::Accepted);
  const LpdAcknowledgement refused = ReadLpdAcknowledgement("\x01no such\tqueue\nmore");
  EXPECT_EQ(refused.answer, LpdAnswer::Refused);
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.message, "no suchqueue");
  EXPECT_EQ(ReadLpdAcknowledgement("\xFF" + std::string(300, 'm')).message.size(), 255u);
}

}  // namespace
}  // namespace morvane::net
