#pragma once

#include <windows.h>

#include "ui/image.h"
#include "ui/shape.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

inline constexpr wchar_t kShapeClass[] = L"MorvaneShape";
inline constexpr wchar_t kImageClass[] = L"MorvaneImage";

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
  void Rescaled() override;

 private:
  void Paint();
  // The picture of the set for the window's scale.
  void LoadSetBitmap();

  HBITMAP bitmap_ = nullptr;
};

}  // namespace morvane::ui::win32
