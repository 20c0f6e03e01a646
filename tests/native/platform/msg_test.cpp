#include "platform/msg.h"

#include <gtest/gtest.h>

#include "fakes/fake_ui_services.h"

namespace morvane::platform {
namespace {

constexpr base::WindowHandle kMainWindow = 0x1234;

TEST(Msg, BoxesAreWarningsOwnedByTheMainWindow) {
  fakes::FakeMessageBoxes boxes;
  Msg msg(boxes, [] { return kMainWindow; });

  EXPECT_TRUE(msg.ShowWarning("Fout bij openen uitvoer!", "Bestand uitvoer"));
  msg.ShowMessageBox("t", "c", 0x40);

  ASSERT_EQ(boxes.Shown().size(), 2u);
  EXPECT_EQ(boxes.Shown()[0].owner, kMainWindow);
  EXPECT_EQ(boxes.Shown()[0].style, 0x30u);
  EXPECT_EQ(boxes.Shown()[0].text, "Fout bij openen uitvoer!");
  EXPECT_EQ(boxes.Shown()[0].caption, "Bestand uitvoer");
  EXPECT_EQ(boxes.Shown()[1].owner, kMainWindow);
  EXPECT_EQ(boxes.Shown()[1].style, 0x40u);
}

TEST(Msg, ResultIsTrueOnlyForOk) {
  fakes::FakeMessageBoxes boxes;
  Msg msg(boxes, [] { return kMainWindow; });
  boxes.SetAnswer(0);
  EXPECT_FALSE(msg.ShowWarning("t", "c"));
  EXPECT_FALSE(msg.ShowWarningStr("t", "c"));
  boxes.SetAnswer(2);
  EXPECT_FALSE(msg.ShowWarning("t", "c"));
  boxes.SetAnswer(1);
  EXPECT_TRUE(msg.ShowWarningStr("t", "c"));
}

TEST(Msg, StringBoxesEndAtAZeroByteAndMayBeEmpty) {
  fakes::FakeMessageBoxes boxes;
  Msg msg(boxes, [] { return kMainWindow; });
  msg.ShowWarningStr(std::string("error 5\0hidden", 14), "");
  ASSERT_EQ(boxes.Shown().size(), 1u);
  EXPECT_EQ(boxes.Shown()[0].text, "error 5");
  EXPECT_EQ(boxes.Shown()[0].caption, "");
}

}  // namespace
}  // namespace morvane::platform
