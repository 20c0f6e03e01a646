#include "ui/scale.h"

#include <gtest/gtest.h>

#include "ui/window_place.h"

namespace morvane::ui {
namespace {

TEST(ScaleTest, RoundsAsTheSystemDoesBothWaysAndLeavesNinetySixDpiAlone) {
  const Scale design(kDesignDpi);
  EXPECT_EQ(design.Out(-11), -11);
  EXPECT_EQ(design.FontHeight(-11), -11);
  const Scale large(144);
  EXPECT_EQ(large.Out(19), 29);  // 28.5: halves away from zero
  EXPECT_EQ(large.Out(-19), -29);
  EXPECT_EQ(large.In(28), 19);
  EXPECT_EQ(Scale(120).Out(57), 71);
  EXPECT_EQ(large.FontHeight(-11), -16);  // 8 point
  EXPECT_EQ(Scale(0).Dpi(), kDesignDpi);
}

TEST(ScaleTest, AWindowLargerThanTheWorkAreaKeepsItsCaptionInsideIt) {
  // The work area of a 1024 x 768 screen with a task bar 30 high at the top.
  const Bounds work{0, 30, 1024, 738};
  EXPECT_EQ(CentredOnScreen(1024, 768, 600, 400, work), (WindowPlace{212, 184}));
  EXPECT_EQ(CentredOnScreen(1024, 768, 1170, 970, work), (WindowPlace{0, 30}));
  // On a second monitor left of the first, the work area starts below zero.
  EXPECT_EQ(CentredOnScreen(1024, 768, 1170, 300, Bounds{-1280, 0, 1280, 1024}),
            (WindowPlace{-73, 234}));
}

}  // namespace
}  // namespace morvane::ui
