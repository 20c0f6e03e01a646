// Run under a program name that the test prefix reports as Windows 98: the
// program then lists its printers at level 5.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_spooler.h"
#include "platform/win32/win32_system_info.h"
#include "settings/printer_list.h"
#include "test_environment.h"

namespace {

using morvane::platform::win32::Win32Spooler;
using morvane::platform::win32::Win32SystemInfo;
using morvane::testing::EnvironmentValue;
using ::testing::Contains;

TEST(Win95FamilyTest, PlatformReportsThe95Family) {
  Win32SystemInfo system;
  EXPECT_FALSE(system.IsNtFamily());
}

TEST(Win95FamilyTest, ProgramListsEveryQueue) {
  Win32SystemInfo system;
  Win32Spooler spooler;
  std::vector<std::string> names;
  ASSERT_TRUE(morvane::settings::EnumeratePrinterNames(spooler, system, &names));
  EXPECT_THAT(names, Contains(EnvironmentValue("MORVANE_TEST_PRINTER")));
  EXPECT_THAT(names, Contains(EnvironmentValue("MORVANE_TEST_PRINTER2")));
}

}  // namespace
