#pragma once

#include <windows.h>

#include "ui/image.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

inline constexpr char kShapeClass[] = "MorvaneShape";
inline constexpr char kImageClass[] = "MorvaneImage";

// A rectangle shape: drawn with its outline and fill colours. Like every
// drawing on its parent it lies beneath the parent's other controls.
LRESULT CALLBACK ShapeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A picture from the resources, drawn at its own size.
class ImagePeer : public TypedPeer<Image> {
 public:
  ImagePeer(Image& image, HWND window);
  ~ImagePeer() override;
  void Paint();

 private:
  HBITMAP bitmap_ = nullptr;
};

LRESULT CALLBACK ImageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

COLORREF ColorRefOf(const Color& color);

}  // namespace morvane::ui::win32
