#include "base/command_line.h"

#include <gtest/gtest.h>

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
  EXPECT_EQ(SplitCommandLine("prog \"?\xC5\x81 ?\xC5\xBA\""),
            (Args{"prog", "?\xC5\x81 ?\xC5\xBA"}));
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
  // An escaped last character (ź) goes whole, not one of its bytes.
  EXPECT_EQ(UnquoteBatchName("'?\xC5\x81\xF3"
                             "d?\xC5\xBA"),
            "?\xC5\x81\xF3"
            "d");
}

}  // namespace
}  // namespace morvane::base
