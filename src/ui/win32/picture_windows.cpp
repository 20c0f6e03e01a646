#include "ui/win32/picture_windows.h"

#include "ui/shape.h"
#include "ui/win32/window_classes.h"

namespace morvane::ui::win32 {

COLORREF ColorRefOf(const Color& color) {
  switch (color.system) {
    case Color::System::WindowText:
      return GetSysColor(COLOR_WINDOWTEXT);
    case Color::System::ButtonFace:
      return GetSysColor(COLOR_BTNFACE);
    case Color::System::ButtonText:
      return GetSysColor(COLOR_BTNTEXT);
    case Color::System::None:
      break;
  }
  return RGB(color.red, color.green, color.blue);
}

LRESULT CALLBACK ShapeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT rect;
  GetClientRect(window, &rect);
  auto* peer = WindowPeer::FromWindow(window);
  if (peer && peer->Model().Kind() == Shape::kKind) {
    const auto& shape = static_cast<const Shape&>(peer->Model());
    HPEN pen = CreatePen(PS_SOLID, 1, ColorRefOf(shape.PenColor()));
    HBRUSH brush = CreateSolidBrush(ColorRefOf(shape.BrushColor()));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
  }
  EndPaint(window, &paint);
  return 0;
}

ImagePeer::ImagePeer(Image& image, HWND window) : TypedPeer(image, window) {
  const int id = image.ResourceId();
  if (id != 0) {
    bitmap_ = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                              IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  }
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

LRESULT CALLBACK ImageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    if (auto* peer = dynamic_cast<ImagePeer*>(WindowPeer::FromWindow(window))) {
      peer->Paint();
      return 0;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace morvane::ui::win32
