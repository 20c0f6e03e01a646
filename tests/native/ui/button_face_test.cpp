#include "ui/button_face.h"

#include <gtest/gtest.h>

namespace morvane::ui {
namespace {

constexpr Size kPicture{16, 16};

TEST(ButtonFaceTest, APictureAboveItsCaptionIsCentredAsOneBlock) {
  // A 40 x 40 target button with a 24 x 13 caption.
  const FacePlacement place =
      PlaceButtonFace(Bounds{0, 0, 40, 40}, kPicture, Size{24, 13}, PictureLayout::Top);
  EXPECT_EQ(place.picture, (Bounds{12, 3, 16, 16}));
  EXPECT_EQ(place.caption, (Bounds{8, 3 + 16 + kPictureSpacing, 24, 13}));
}

TEST(ButtonFaceTest, APictureLeftOfItsCaptionIsCentredAsOneBlock) {
  // A 94 x 25 list button with a 58 x 13 caption.
  const FacePlacement place =
      PlaceButtonFace(Bounds{0, 0, 94, 25}, kPicture, Size{58, 13}, PictureLayout::Left);
  EXPECT_EQ(place.picture, (Bounds{8, 4, 16, 16}));
  EXPECT_EQ(place.caption, (Bounds{8 + 16 + kPictureSpacing, 6, 58, 13}));
}

TEST(ButtonFaceTest, APictureOrCaptionAloneIsCentredWithoutSpacing) {
  EXPECT_EQ(PlaceButtonFace(Bounds{2, 2, 21, 21}, kPicture, Size{}, PictureLayout::Top).picture,
            (Bounds{4, 4, 16, 16}));
  EXPECT_EQ(
      PlaceButtonFace(Bounds{0, 0, 40, 17}, Size{}, Size{12, 13}, PictureLayout::Left).caption,
      (Bounds{14, 2, 12, 13}));
}

}  // namespace
}  // namespace morvane::ui
