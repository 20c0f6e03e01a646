#pragma once

#include <windows.h>

#include "ui/image.h"
#include "ui/shape.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

inline constexpr char kShapeClass[] = "MorvaneShape";
inline constexpr char kImageClass[] = "MorvaneImage";

// A rectangle shape: drawn with its outline and fill colours. Like every
// drawing on its parent it lies beneath the parent's other controls.
class ShapePeer : public TypedPeer<Shape> {
 public:
  using TypedPeer::TypedPeer;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
};

// A picture from the resources, drawn at its own size.
class ImagePeer : public TypedPeer<Image> {
 public:
  ImagePeer(Image& image, HWND window);
  ~ImagePeer() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();

  HBITMAP bitmap_ = nullptr;
};

}  // namespace morvane::ui::win32
