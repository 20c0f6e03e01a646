#include "ui/string_grid.h"

#include <gtest/gtest.h>

#include "ui/form.h"
#include "ui/keys.h"

namespace morvane::ui {
namespace {

constexpr int kRowHeight = 18;
constexpr int kPitch = kRowHeight + kGridLineWidth;

// A grid of one header row and `rows` rows in all, with room for four
// scrolling rows, counting its clicks.
class StringGridTest : public ::testing::Test {
 protected:
  void Make(int rows) {
    grid.SetRowCount(rows);
    grid.SetDefaultRowHeight(kRowHeight);
    grid.SetVisibleDataRows(4);
    grid.OnClick = [this] { ++clicks; };
  }
  bool Press(int key) { return grid.KeyPressed(key, ShiftState{}); }

  Form form{"Form1"};
  StringGrid grid{&form, "Grid", 2, 2};
  int clicks = 0;
};

TEST_F(StringGridTest, TheHeaderRowCanNeverBeSelected) {
  Make(5);
  grid.SetRow(0);
  EXPECT_EQ(grid.Row(), 1);
  grid.RowChosenByUser(-3);
  EXPECT_EQ(grid.Row(), 1);
  grid.SetRow(99);
  EXPECT_EQ(grid.Row(), 4);
  grid.SetRowCount(1);  // never fewer rows than the header and one more
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.Row(), 1);
}

TEST_F(StringGridTest, ShrinkingKeepsSelectionAndViewInsideTheRows) {
  Make(20);
  grid.SetRow(19);
  EXPECT_EQ(grid.TopRow(), 16);
  grid.SetRowCount(3);
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(grid.TopRow(), 1);
}

TEST_F(StringGridTest, ArrowKeysMoveTheSelectionAndRaiseTheClickOnlyWhenItMoves) {
  Make(5);
  EXPECT_TRUE(Press(kKeyDown));
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(Press(kKeyUp));
  EXPECT_TRUE(Press(kKeyUp));  // already on the first data row
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(Press(kKeyEnd));
  EXPECT_EQ(grid.Row(), 4);
  EXPECT_TRUE(Press(kKeyDown));
  EXPECT_EQ(grid.Row(), 4);
  EXPECT_TRUE(Press(kKeyHome));
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(clicks, 4);
  EXPECT_FALSE(Press(kKeyLeft));
  EXPECT_FALSE(Press('A'));
  EXPECT_EQ(clicks, 4);
}

TEST_F(StringGridTest, PageKeysMoveByTheRowsInViewAndTheViewFollows) {
  Make(12);  // data rows 1 to 11, four in view
  EXPECT_TRUE(Press(kKeyPageDown));
  EXPECT_EQ(grid.Row(), 5);
  EXPECT_EQ(grid.TopRow(), 2);
  EXPECT_TRUE(Press(kKeyPageDown));
  EXPECT_TRUE(Press(kKeyPageDown));
  EXPECT_EQ(grid.Row(), 11);
  EXPECT_EQ(grid.TopRow(), 8);
  EXPECT_TRUE(Press(kKeyPageUp));
  EXPECT_EQ(grid.Row(), 7);
  EXPECT_EQ(grid.TopRow(), 7);
  EXPECT_TRUE(Press(kKeyPageUp));
  EXPECT_TRUE(Press(kKeyPageUp));
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.TopRow(), 1);
  EXPECT_EQ(clicks, 6);
}

TEST_F(StringGridTest, TheViewNeverScrollsPastTheLastPage) {
  Make(10);
  grid.SetTopRow(50);
  EXPECT_EQ(grid.TopRow(), 6);
  grid.SetTopRow(0);
  EXPECT_EQ(grid.TopRow(), 1);
  grid.SetVisibleDataRows(20);  // everything fits: no scrolling at all
  grid.SetTopRow(5);
  EXPECT_EQ(grid.TopRow(), 1);
}

TEST_F(StringGridTest, MovingTheSelectionFromTheProgramShowsItButRaisesNoClick) {
  Make(30);
  grid.SetRow(20);
  EXPECT_EQ(grid.TopRow(), 17);
  grid.SetRow(3);
  EXPECT_EQ(grid.TopRow(), 3);
  EXPECT_EQ(clicks, 0);
}

TEST_F(StringGridTest, RowsMapToClientPositionsWithTheHeaderFixedAtTheTop) {
  Make(30);
  grid.SetTopRow(10);
  EXPECT_EQ(grid.RowTop(0), 0);
  EXPECT_EQ(grid.RowTop(10), kPitch);
  EXPECT_EQ(grid.RowTop(12), 3 * kPitch);
  EXPECT_EQ(grid.RowTop(5), -1);  // scrolled away above the view
  EXPECT_EQ(grid.RowAt(0), 0);
  EXPECT_EQ(grid.RowAt(kPitch - 1), 0);
  EXPECT_EQ(grid.RowAt(kPitch), 10);
  EXPECT_EQ(grid.RowAt(3 * kPitch + 5), 12);
  EXPECT_EQ(grid.RowAt(-1), -1);
  EXPECT_EQ(grid.RowAt(25 * kPitch), -1);  // below the last row
}

// At a scale every edge is scaled on its own when painted; a device pixel
// belongs to the row painted on it, grid line included, at 120 and 144 dpi
// too, where a point taken back to 96 dpi rounds across an edge.
TEST_F(StringGridTest, AtEveryScaleADevicePixelHitsTheRowPaintedOnIt) {
  Make(30);
  grid.SetTopRow(10);
  for (const int dpi : {96, 120, 144, 192}) {
    const Scale scale(dpi);
    int painted = 0;  // rows whose band the sweep crossed
    for (int y = 0; y < scale.Out(6 * kPitch); ++y) {
      const int row = grid.RowAt(y, scale);
      ASSERT_NE(row, -1) << dpi << " dpi, y " << y;
      ASSERT_LE(scale.Out(grid.RowTop(row)), y) << dpi << " dpi, y " << y;
      ASSERT_GT(scale.Out(grid.RowTop(row) + kPitch), y) << dpi << " dpi, y " << y;
      if (y == scale.Out(grid.RowTop(row))) ++painted;
    }
    EXPECT_EQ(painted, 6) << dpi << " dpi";
  }
  // The header's last pixel at 144 dpi, a grid line's at 120 dpi.
  EXPECT_EQ(grid.RowAt(28, Scale(144)), 0);
  EXPECT_EQ(grid.RowAt(29, Scale(144)), 10);
  EXPECT_EQ(grid.RowAt(47, Scale(120)), 10);
  EXPECT_EQ(grid.RowAt(-1, Scale(144)), -1);
  EXPECT_EQ(grid.RowAt(Scale(144).Out(21 * kPitch), Scale(144)), -1);  // below the last row
  // Only whole rows count as in view: at 120 dpi the third row ends on 71.
  EXPECT_EQ(grid.DataRowsFitting(71, Scale(120)), 2);
  EXPECT_EQ(grid.DataRowsFitting(70, Scale(120)), 1);
}

TEST_F(StringGridTest, WithoutAPeerTheRowsInViewFollowTheBounds) {
  StringGrid headless(&form, "Headless", 2, 40);
  headless.SetDefaultRowHeight(kRowHeight);
  headless.SetBounds(0, 0, 100, 6 * kPitch + 3);
  EXPECT_EQ(headless.VisibleDataRows(), 5);
}

}  // namespace
}  // namespace morvane::ui
