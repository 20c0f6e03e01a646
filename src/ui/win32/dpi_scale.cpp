#include "ui/win32/dpi_scale.h"

namespace morvane::ui::win32 {
namespace {

using DpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

// Systems before Windows 10 lack the per-monitor calls: looked up, not linked,
// so that the program still starts there.
template <typename Function>
Function User32Function(const char* name) {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                : nullptr;
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace

DpiScale DpiScale::Of(HWND window) {
  static const auto dpiForWindow = User32Function<DpiForWindowFunction>("GetDpiForWindow");
  if (dpiForWindow && window) {
    if (const UINT dpi = dpiForWindow(window)) return DpiScale(static_cast<int>(dpi));
  }
  return DpiScale(ScreenDpi());
}

RECT DpiScale::Out(const Bounds& bounds) const {
  const int left = Out(bounds.left);
  const int top = Out(bounds.top);
  return RECT{left, top, left + Out(bounds.width), top + Out(bounds.height)};
}

Bounds DpiScale::In(const RECT& rect) const {
  return Bounds{In(rect.left), In(rect.top), In(rect.right - rect.left),
                In(rect.bottom - rect.top)};
}

SIZE FrameSize(const SIZE& client, DWORD style, DWORD exStyle, const DpiScale& scale) {
  static const auto adjustForDpi = User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, client.cx, client.cy};
  if (!adjustForDpi ||
      !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(scale.Dpi()))) {
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace morvane::ui::win32
