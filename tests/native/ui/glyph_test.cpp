#include "ui/glyph.h"

#include <gtest/gtest.h>

namespace morvane::ui {
namespace {

constexpr Rgb kOlive{128, 128, 0};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kSilver{192, 192, 192};

TEST(GlyphTest, TheBottomLeftPixelNamesTheTransparentColour) {
  Glyph glyph(4, 3, kRed);
  glyph.At(0, 2) = kOlive;
  EXPECT_EQ(TransparentColor(glyph), kOlive);
}

TEST(GlyphTest, DarkPixelsAreEngravedAndLightOnesVanish) {
  Glyph glyph(5, 5, kOlive);
  glyph.At(1, 1) = kBlack;
  glyph.At(3, 1) = kYellow;
  glyph.At(3, 3) = kSilver;
  glyph.At(1, 3) = kRed;
  const Glyph twin = GreyedTwin(glyph);
  EXPECT_EQ(TransparentColor(twin), kOlive);
  EXPECT_EQ(twin.At(1, 1), kGreyedShadow);
  EXPECT_EQ(twin.At(2, 2), kGreyedHighlight);
  EXPECT_EQ(twin.At(1, 3), kGreyedShadow);  // red counts as dark
  EXPECT_EQ(twin.At(2, 4), kGreyedHighlight);
  EXPECT_EQ(twin.At(3, 1), kOlive);  // yellow and silver leave no trace
  EXPECT_EQ(twin.At(3, 3), kOlive);
  EXPECT_EQ(twin.At(4, 4), kOlive);
}

TEST(GlyphTest, AShadowCoversTheHighlightOfTheLineAboveIt) {
  Glyph glyph(4, 4, kOlive);
  for (int x = 0; x < 3; ++x) glyph.At(x, 0) = glyph.At(x + 1, 1) = kBlack;  // a stair
  const Glyph twin = GreyedTwin(glyph);
  EXPECT_EQ(twin.At(1, 1), kGreyedShadow);
  EXPECT_EQ(twin.At(3, 1), kGreyedShadow);
  EXPECT_EQ(twin.At(2, 2), kGreyedHighlight);
  EXPECT_EQ(twin.At(0, 1), kOlive);
}

TEST(GlyphTest, ADarkTransparentColourIsNotTakenForLines) {
  Glyph glyph(3, 3, kBlack);  // black all over, and black is the see-through colour
  glyph.At(1, 1) = kRed;
  const Glyph twin = GreyedTwin(glyph);
  EXPECT_EQ(TransparentColor(twin), kBlack);
  EXPECT_EQ(twin.At(0, 0), kBlack);
  EXPECT_EQ(twin.At(1, 1), kGreyedShadow);
  EXPECT_EQ(twin.At(2, 2), kGreyedHighlight);
}

TEST(GlyphTest, AWhiteOrGreyBackgroundGetsAnotherTransparentColourInTheTwin) {
  for (const Rgb background : {kGreyedHighlight, kGreyedShadow}) {
    Glyph glyph(3, 3, background);
    glyph.At(0, 0) = kBlack;
    const Glyph twin = GreyedTwin(glyph);
    const Rgb see = TransparentColor(twin);
    EXPECT_NE(see, kGreyedHighlight);
    EXPECT_NE(see, kGreyedShadow);
    EXPECT_EQ(twin.At(1, 1), kGreyedHighlight);  // still shows on the face
    EXPECT_EQ(twin.At(2, 1), see);
  }
}

}  // namespace
}  // namespace morvane::ui
