#include "ui/spin_edit.h"

#include <gtest/gtest.h>

#include "ui/form.h"

namespace morvane::ui {
namespace {

class SpinEditTest : public ::testing::Test {
 protected:
  SpinEditTest() {
    spin.OnChange = [this] { changes.push_back(spin.Text()); };
  }

  Form form{"Form1"};
  SpinEdit spin{&form, "Count", 1, 999999};
  std::vector<std::string> changes;
};

TEST_F(SpinEditTest, TakesDigitsSignsTheSeparatorAndControlKeysButEnter) {
  spin.SetDecimalSeparator(',');
  for (char c : std::string("0123456789+-,")) EXPECT_TRUE(spin.AcceptsCharacter(c)) << c;
  EXPECT_TRUE(spin.AcceptsCharacter('\b'));
  EXPECT_TRUE(spin.AcceptsCharacter('\x03'));  // Ctrl+C, Ctrl+V and the like
  EXPECT_TRUE(spin.AcceptsCharacter('\x16'));
  EXPECT_FALSE(spin.AcceptsCharacter('\r'));
  for (char c : std::string("a Z.e*/")) EXPECT_FALSE(spin.AcceptsCharacter(c)) << c;
  EXPECT_FALSE(spin.AcceptsCharacter('\xEB'));  // a letter of the ANSI page

  spin.SetDecimalSeparator('.');
  EXPECT_TRUE(spin.AcceptsCharacter('.'));
  EXPECT_FALSE(spin.AcceptsCharacter(','));
}

TEST_F(SpinEditTest, LeavingTheFieldCorrectsTheTextToTheNearestBound) {
  spin.TextChangedByUser("0");
  EXPECT_EQ(spin.Text(), "0");  // out of range while typing
  spin.FocusLost();
  EXPECT_EQ(spin.Text(), "1");
  spin.TextChangedByUser("1234567");
  spin.FocusLost();
  EXPECT_EQ(spin.Text(), "999999");
  spin.TextChangedByUser("-5");
  spin.FocusLost();
  EXPECT_EQ(spin.Text(), "1");
  spin.TextChangedByUser("abc");
  spin.FocusLost();
  EXPECT_EQ(spin.Text(), "1");
  EXPECT_EQ(changes,
            (std::vector<std::string>{"0", "1", "1234567", "999999", "-5", "1", "abc", "1"}));
}

TEST_F(SpinEditTest, LeavingWithATextInRangeChangesNothing) {
  spin.TextChangedByUser("42");
  changes.clear();
  spin.FocusLost();
  EXPECT_EQ(spin.Text(), "42");
  EXPECT_TRUE(changes.empty());
}

TEST_F(SpinEditTest, ChangeEventsRunOnlyWhenTheTextReallyChanges) {
  spin.SetValue(1);  // already shows "1"
  spin.TextChangedByUser("1");
  EXPECT_TRUE(changes.empty());
  spin.SetValue(7);
  spin.SetValue(7);
  spin.TextChangedByUser("7");
  EXPECT_EQ(changes, (std::vector<std::string>{"7"}));
}

TEST_F(SpinEditTest, TheArrowsStepByOneWithinTheRange) {
  spin.StepDown();  // at the minimum: nothing changes
  EXPECT_EQ(spin.Text(), "1");
  spin.StepUp();
  spin.StepUp();
  EXPECT_EQ(spin.Text(), "3");
  spin.SetValue(2000000);
  EXPECT_EQ(spin.Text(), "999999");
  spin.StepUp();
  EXPECT_EQ(spin.Text(), "999999");
  spin.TextChangedByUser("0");  // typed out of range: the arrows bring it back in
  spin.StepUp();
  EXPECT_EQ(spin.Text(), "1");
  EXPECT_EQ(changes, (std::vector<std::string>{"2", "3", "999999", "0", "1"}));
}

}  // namespace
}  // namespace morvane::ui
