#include "base/command_line.h"

#include <gtest/gtest.h>

#include "base/batch_command.h"

namespace morvane::base {
namespace {

using Args = std::vector<std::string>;

TEST(SplitCommandLine, BlanksSeparateAndQuotesJoin) {
  EXPECT_EQ(SplitCommandLine("prog a b"), (Args{"prog", "a", "b"}));
  // Every code up to 32 is a blank, tabs and control characters included.
  EXPECT_EQ(SplitCommandLine("prog\ta\x01\x1f b   "), (Args{"prog", "a", "b"}));
  EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\m.exe\" /WIN \"a b.prn\""),
            (Args{"C:\\Program Files\\m.exe", "/WIN", "a b.prn"}));
  // Quotes may open and close in the middle; they are dropped wherever they stand.
  EXPECT_EQ(SplitCommandLine("prog x\"y z\"w"), (Args{"prog", "xy zw"}));
  // An unclosed quote runs to the end of the line.
  EXPECT_EQ(SplitCommandLine("prog \"open end"), (Args{"prog", "open end"}));
  // Bytes above 127 are ordinary characters, not blanks.
  EXPECT_EQ(SplitCommandLine("prog caf\xe9 \xa0x"), (Args{"prog", "caf\xe9", "\xa0x"}));
  // So are escaped characters (Ł, ź), whatever their bytes.
  EXPECT_EQ(SplitCommandLine("prog \"\xC5\x81 \xC5\xBA\""), (Args{"prog", "\xC5\x81 \xC5\xBA"}));
}

TEST(SplitCommandLine, LeadingQuotePairsAreSkippedAndAnEmptyArgumentEndsTheList) {
  EXPECT_EQ(SplitCommandLine("prog \"\"a b"), (Args{"prog", "a", "b"}));
  EXPECT_EQ(SplitCommandLine("prog \"\" b"), (Args{"prog", "b"}));
  EXPECT_EQ(SplitCommandLine("prog \"\"\"\"x"), (Args{"prog", "x"}));
  // A lone quote gives an empty argument: the list ends there.
  EXPECT_EQ(SplitCommandLine("prog a \" b"), (Args{"prog", "a", " b"}));
  EXPECT_EQ(SplitCommandLine("prog a \"\"\" b"), (Args{"prog", "a", " b"}));
  EXPECT_EQ(SplitCommandLine("prog a \""), (Args{"prog", "a"}));
  EXPECT_EQ(SplitCommandLine(""), Args{});
  EXPECT_EQ(SplitCommandLine("   "), Args{});
  // A zero byte ends the line as it does for the platform.
  EXPECT_EQ(SplitCommandLine(std::string("prog a\0b c", 10)), (Args{"prog", "a"}));
}

TEST(CommandLineArguments, LeaveOutTheProgram) {
  EXPECT_EQ(CommandLineArguments("m.exe /win x"), (Args{"/win", "x"}));
  EXPECT_EQ(CommandLineArguments("m.exe"), Args{});
  EXPECT_EQ(CommandLineArguments(""), Args{});
}

TEST(UnquoteBatchName, DropsFirstAndLastCharacterAfterAnOpeningQuote) {
  EXPECT_EQ(UnquoteBatchName("'C:\\data\\a.prn'"), "C:\\data\\a.prn");
  EXPECT_EQ(UnquoteBatchName("\"a.prn\""), "a.prn");
  EXPECT_EQ(UnquoteBatchName("'abc"), "ab");
  EXPECT_EQ(UnquoteBatchName("'"), "");
  EXPECT_EQ(UnquoteBatchName("\""), "");
  EXPECT_EQ(UnquoteBatchName("''"), "");
  EXPECT_EQ(UnquoteBatchName("a.prn'"), "a.prn'");
  EXPECT_EQ(UnquoteBatchName("plain"), "plain");
  // A last character of several bytes (ź) goes whole, not one of its bytes.
  EXPECT_EQ(UnquoteBatchName("'\xC5\x81\xC3\xB3"
                             "d\xC5\xBA"),
            "\xC5\x81\xC3\xB3"
            "d");
}

TEST(ParseBatchCommand, OptionsStandAnywhereAfterWinInAnyCase) {
  EXPECT_FALSE(ParseBatchCommand({}));
  EXPECT_FALSE(ParseBatchCommand({"a.prn", "/WIN"}));
  EXPECT_FALSE(ParseBatchCommand({"/debug", "a.prn", "/WIN"}));
  // An option makes a batch run wherever the first "/WIN" stands; a later one is a name.
  EXPECT_EQ(ParseBatchCommand({"/QUIET", "a.prn", "/win", "/WIN"})->files, (Args{"a.prn", "/WIN"}));

  const auto plain = ParseBatchCommand({"/win", "a.prn", "/debug", "/data/a.prn", "-debug"});
  ASSERT_TRUE(plain);
  // Every argument that is none of the four options names a file, as given.
  EXPECT_EQ(plain->files, (Args{"a.prn", "/debug", "/data/a.prn", "-debug"}));
  EXPECT_FALSE(plain->printer);
  EXPECT_EQ(plain->copies, 1);
  EXPECT_FALSE(plain->quiet);
  EXPECT_FALSE(plain->log);
  EXPECT_FALSE(plain->badOption);

  const auto all = ParseBatchCommand({"/Win", "a.prn", "/printer=Label Printer", "b.prn",
                                      "/CoPiEs=007", "/quiet", "/Log=C:\\logs\\Run.log", "c.prn",
                                      "/PRINTER=LABEL printer", "/QUIET"});
  ASSERT_TRUE(all);
  EXPECT_EQ(all->files, (Args{"a.prn", "b.prn", "c.prn"}));
  // The value keeps its case; a repeat that differs only in case is the same printer.
  EXPECT_EQ(all->printer, "Label Printer");
  EXPECT_EQ(all->copies, 7);
  EXPECT_TRUE(all->quiet);
  EXPECT_EQ(all->log, "C:\\logs\\Run.log");
  EXPECT_EQ(all->logArgument, "/Log=C:\\logs\\Run.log");
  EXPECT_FALSE(all->badOption);

  // Near misses are file names, not options.
  const auto near = ParseBatchCommand(
      {"/WIN", "/QUIETLY", "/PRINTER", "/COPIES", "-QUIET", "/LOGFILE=x", "'/QUIET'"});
  ASSERT_TRUE(near);
  EXPECT_EQ(near->files,
            (Args{"/QUIETLY", "/PRINTER", "/COPIES", "-QUIET", "/LOGFILE=x", "'/QUIET'"}));
  EXPECT_FALSE(near->badOption);
  EXPECT_FALSE(near->quiet);

  const auto range = ParseBatchCommand({"/WIN", "/COPIES=999999", "/COPIES=999999"});
  ASSERT_TRUE(range);
  EXPECT_EQ(range->copies, 999999);
}

TEST(ParseBatchCommand, TheFirstBadOptionIsKeptAsGivenAndTheRestStillParsed) {
  for (const std::string bad :
       {"/PRINTER=", "/COPIES=", "/LOG=", "/COPIES=0", "/COPIES=1000000", "/copies=-3",
        "/COPIES=+3", "/COPIES=3x", "/COPIES= 3", "/COPIES=99999999999999999999"}) {
    const auto command = ParseBatchCommand({"/WIN", "a.prn", bad, "/QUIET", "/COPIES=X2"});
    ASSERT_TRUE(command) << bad;
    EXPECT_EQ(command->badOption, bad);
    // An option after the bad one still counts: a quiet run stays quiet.
    EXPECT_TRUE(command->quiet) << bad;
    EXPECT_EQ(command->files, Args{"a.prn"}) << bad;
  }
  const std::vector<Args> repeats = {
      {"/WIN", "/COPIES=2", "/COPIES=3"},
      {"/WIN", "/PRINTER=One", "/PRINTER=Two"},
      {"/WIN", "/LOG=a.log", "/log=A.log"},
  };
  for (const Args& arguments : repeats) {
    const auto command = ParseBatchCommand(arguments);
    ASSERT_TRUE(command);
    EXPECT_EQ(command->badOption, arguments.back());
  }
}

}  // namespace
}  // namespace morvane::base
