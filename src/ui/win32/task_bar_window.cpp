#include "ui/win32/task_bar_window.h"

#include "platform/win32/window_handles.h"
#include "platform/win32/window_property.h"
#include "ui/win32/form_peer.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {
namespace {

constexpr char kApplicationProperty[] = "MorvaneApplication";

}  // namespace

TaskBarWindow::TaskBarWindow(const std::string& title)
    : window_(CreateWindowExW(0, kApplicationClass, WideText(title).c_str(),
                              WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                              GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2,
                              0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {
  if (window_) SetPropA(window_, kApplicationProperty, this);
}

TaskBarWindow::~TaskBarWindow() {
  if (!window_) return;
  RemovePropA(window_, kApplicationProperty);
  DestroyWindow(window_);
}

TaskBarWindow* TaskBarWindow::FromWindow(HWND window) {
  return platform::win32::PropertyObject<TaskBarWindow>(window, kApplicationProperty);
}

void TaskBarWindow::SetTitle(const std::string& title) { PutWindowText(window_, title); }

void TaskBarWindow::Show() {
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

HWND TaskBarWindow::MainFormWindow() const {
  return mainForm_ ? platform::win32::WindowOf(mainForm_->Handle()) : nullptr;
}

LRESULT TaskBarWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (mainForm_) mainForm_->Close();
      return 0;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) {
        if (auto* peer = FormWindowPeer::FromWindow(MainFormWindow())) peer->RestoreFromMinimize();
      }
      break;
    case WM_SETFOCUS:
      if (HWND main = MainFormWindow(); main && IsWindowVisible(main) && IsWindowEnabled(main)) {
        SetFocus(main);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace morvane::ui::win32
