#pragma once

#include "ui/control.h"
#include "ui/picture.h"

namespace morvane::ui {

// The gap between a button's picture and its caption.
inline constexpr int kPictureSpacing = 4;

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct FacePlacement {
  Bounds picture;
  Bounds caption;
};

// Where a push button draws its picture and caption: the two as one block,
// centred on the face, the picture above or left of the caption. A missing
// picture or caption (zero size) leaves the other centred alone.
FacePlacement PlaceButtonFace(const Bounds& face, Size picture, Size caption, PictureLayout layout);

}  // namespace morvane::ui
