#include "help/release_names.h"

#include <gtest/gtest.h>

namespace morvane::help {
namespace {

TEST(HelpControlReleaseName, AtTheEdges) {
  EXPECT_EQ(HelpControlReleaseName({4, 73, 8474, 1}), "> 1.21a");
  EXPECT_EQ(HelpControlReleaseName({4, 73, 8474, 0}), "1.21a");
  EXPECT_EQ(HelpControlReleaseName({4, 73, 8473, 65535}), "1.21");
  EXPECT_EQ(HelpControlReleaseName({4, 72, 8164, 0}), "1.1b");
  EXPECT_EQ(HelpControlReleaseName({4, 72, 7324, 9}), "1.1");
  EXPECT_EQ(HelpControlReleaseName({4, 72, 7290, 0}), "1.0");
  EXPECT_EQ(HelpControlReleaseName({4, 72, 7289, 0}), "< 1.0");
}

TEST(BrowserReleaseName, AtTheEdges) {
  EXPECT_EQ(BrowserReleaseName({5, 0, 2615, 1}), ">= Internet Explorer 5.0");
  EXPECT_EQ(BrowserReleaseName({5, 1, 0, 0}), ">= Internet Explorer 5.0");
  EXPECT_EQ(BrowserReleaseName({5, 0, 2615, 0}), "Internet Explorer 5.0b");
  EXPECT_EQ(BrowserReleaseName({5, 0, 2613, 0}), "Internet Explorer 5.0a");
  EXPECT_EQ(BrowserReleaseName({5, 0, 517, 0}), "Internet Explorer 4.01 Service Pack 2 (SP2)");
  EXPECT_EQ(BrowserReleaseName({4, 71, 543, 0}), "Internet Explorer 3.02");
  EXPECT_EQ(BrowserReleaseName({4, 70, 1158, 0}), "Internet Explorer 3.0 (OSR2)");
  EXPECT_EQ(BrowserReleaseName({4, 70, 1155, 0}), "Internet Explorer 3.0");
  EXPECT_EQ(BrowserReleaseName({4, 70, 1154, 0}), "Internet Explorer 2.0");
  EXPECT_EQ(BrowserReleaseName({4, 40, 308, 0}), "Internet Explorer 1.0 (Plus!)");
  EXPECT_EQ(BrowserReleaseName({4, 40, 307, 65535}), "< Internet Explorer 1.0 (Plus!)");
}

}  // namespace
}  // namespace morvane::help
