#include "ui/win32/window_classes.h"

#include <commctrl.h>

#include "ui/win32/control_windows.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/model_window.h"
#include "ui/win32/task_bar_window.h"
#include "ui/win32/window_procedure.h"

namespace morvane::ui::win32 {
namespace {

// No CS_DBLCLKS anywhere: a quick second press is a press like the first.
void RegisterClassOnce(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.hInstance = GetModuleHandleW(nullptr);
  WNDCLASSEXW registered{};
  registered.cbSize = sizeof(registered);
  if (GetClassInfoExW(windowClass.hInstance, name, &registered)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hIcon = LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(1));
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

}  // namespace

void RegisterWindowClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterClassOnce(kApplicationClass, &OwnedWindowProc<TaskBarWindow>);
  RegisterClassOnce(kFormClass, &OwnedWindowProc<ModelWindow>);
  for (const ControlWindowKind& kind : ControlWindowKinds()) {
    if (kind.ownClass) RegisterClassOnce(kind.className, &OwnedWindowProc<ModelWindow>);
  }
}

void UseFont(HWND window, HFONT font) {
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

POINT MousePoint(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

POINT DesignMousePoint(HWND window, LPARAM lParam) {
  return DpiScale::Of(window).In(MousePoint(lParam));
}

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

ShiftState CurrentShiftState() {
  return ShiftState{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                    GetKeyState(VK_MENU) < 0};
}

}  // namespace morvane::ui::win32
