#include "help/debug_log.h"

#include <gtest/gtest.h>

#include <string>

namespace morvane::help {
namespace {

TEST(HasDebugSwitch, EitherFormInAnyCaseAnywhere) {
  EXPECT_TRUE(HasDebugSwitch({"/debug"}));
  EXPECT_TRUE(HasDebugSwitch({"/WIN", "a.prn", "-DeBuG"}));
  EXPECT_FALSE(HasDebugSwitch({}));
  EXPECT_FALSE(HasDebugSwitch({"debug", "/debugx", "--debug", "\\debug"}));
  EXPECT_FALSE(
      HasDebugSwitch({"/d\xC9"
                      "bug"}));  // only a to z fold
}

TEST(LogLine, TextTabDateAndTimeCrLf) {
  EXPECT_EQ(LogLine("_RunDir = \"%s\"", "C:", "5-3-2024 14:07:09"),
            "_RunDir = \"C:\"\t5-3-2024 14:07:09\r\n");
  EXPECT_EQ(LogLine("a %s b", "%s", "d"), "a %s b\td\r\n");
  EXPECT_EQ(LogLine("-", "", "d t"), std::string(80, '-') + "\td t\r\n");
  EXPECT_EQ(LogLine("--", "", "d"), "--\td\r\n");
}

}  // namespace
}  // namespace morvane::help
