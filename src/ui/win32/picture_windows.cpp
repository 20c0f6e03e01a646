#include "ui/win32/picture_windows.h"

#include "ui/win32/pictures.h"
#include "ui/win32/window_classes.h"

namespace morvane::ui::win32 {

void ShapePeer::Paint() {
  const Shape& shape = Model();
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Window(), &paint);
  RECT rect;
  GetClientRect(Window(), &rect);
  HPEN pen = CreatePen(PS_SOLID, 1, ColorRefOf(shape.PenColor()));
  HBRUSH brush = CreateSolidBrush(ColorRefOf(shape.BrushColor()));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
  EndPaint(Window(), &paint);
}

LRESULT ShapePeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return WindowPeer::HandleMessage(message, wParam, lParam);
  Paint();
  return 0;
}

ImagePeer::ImagePeer(Image& image, HWND window) : TypedPeer(image, window) { LoadSetBitmap(); }

void ImagePeer::Rescaled() {
  WindowPeer::Rescaled();
  LoadSetBitmap();
  InvalidateRect(Window(), nullptr, TRUE);
}

void ImagePeer::LoadSetBitmap() {
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = nullptr;
  const int id = Model().ResourceId();
  if (id == 0) return;
  const int resource = PictureResource(id, PictureSet(Scale()));
  bitmap_ = static_cast<HBITMAP>(LoadImageA(GetModuleHandleW(nullptr), MAKEINTRESOURCEA(resource),
                                            IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
}

ImagePeer::~ImagePeer() {
  if (bitmap_) DeleteObject(bitmap_);
}

void ImagePeer::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Window(), &paint);
  if (bitmap_) {
    BITMAP info{};
    GetObjectA(bitmap_, sizeof(info), &info);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap_);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  EndPaint(Window(), &paint);
}

LRESULT ImagePeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return WindowPeer::HandleMessage(message, wParam, lParam);
  Paint();
  return 0;
}

}  // namespace morvane::ui::win32
