#include "ui/button_face.h"

namespace morvane::ui {

FacePlacement PlaceButtonFace(const Bounds& face, Size picture, Size caption,
                              PictureLayout layout) {
  const bool both = picture.width > 0 && caption.width > 0;
  const int spacing = both ? kPictureSpacing : 0;
  auto centred = [](int start, int room, int length) { return start + (room - length) / 2; };
  FacePlacement placement;
  if (layout == PictureLayout::Top) {
    const int block = picture.height + spacing + caption.height;
    const int top = centred(face.top, face.height, block);
    placement.picture = {centred(face.left, face.width, picture.width), top, picture.width,
                         picture.height};
    placement.caption = {centred(face.left, face.width, caption.width),
                         top + picture.height + spacing, caption.width, caption.height};
  } else {
    const int block = picture.width + spacing + caption.width;
    const int left = centred(face.left, face.width, block);
    placement.picture = {left, centred(face.top, face.height, picture.height), picture.width,
                         picture.height};
    placement.caption = {left + picture.width + spacing,
                         centred(face.top, face.height, caption.height), caption.width,
                         caption.height};
  }
  return placement;
}

}  // namespace morvane::ui
