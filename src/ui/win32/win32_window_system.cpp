#include "ui/win32/win32_window_system.h"

#include <windows.h>

#include "ui/win32/control_windows.h"
#include "ui/win32/form_peer.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {
namespace {

Form* applicationMainForm = nullptr;

HWND MainFormWindow() {
  return applicationMainForm ? reinterpret_cast<HWND>(applicationMainForm->Handle()) : nullptr;
}

}  // namespace

LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      if (applicationMainForm) applicationMainForm->Close();
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
  return DefWindowProcA(window, message, wParam, lParam);
}

Win32WindowSystem::Win32WindowSystem() { RegisterWindowClasses(); }

Win32WindowSystem::~Win32WindowSystem() {
  if (applicationWindow_) DestroyWindow(static_cast<HWND>(applicationWindow_));
  applicationMainForm = nullptr;
}

void Win32WindowSystem::SetApplicationTitle(const std::string& title) {
  if (!applicationWindow_) {
    applicationWindow_ =
        CreateWindowExA(0, kApplicationClass, title.c_str(),
                        WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                        GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                        nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    return;
  }
  SetWindowTextA(static_cast<HWND>(applicationWindow_), title.c_str());
}

void Win32WindowSystem::Realize(Form& form) {
  const bool isMain = mainForm_ == nullptr;
  if (isMain) {
    mainForm_ = &form;
    applicationMainForm = &form;
  }
  const DWORD style = FormWindowPeer::StyleOf(form);
  const DWORD exStyle = FormWindowPeer::ExStyleOf(form);
  RECT rect{0, 0, form.ClientWidth(), form.ClientHeight()};
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  HWND owner = static_cast<HWND>(applicationWindow_);
  HWND window = CreateWindowExA(exStyle, kFormClass, form.Text().c_str(), style, CW_USEDEFAULT,
                                CW_USEDEFAULT, rect.right - rect.left, rect.bottom - rect.top,
                                owner, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!window) return;
  form.AttachPeer(std::make_unique<FormWindowPeer>(form, window, owner, isMain));
  RealizeChildren(form, window);
}

void Win32WindowSystem::RunMessageLoop(Form& mainForm) {
  if (applicationWindow_) {
    SetWindowPos(static_cast<HWND>(applicationWindow_), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  mainForm.Show();
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (PreTranslateMessage(&message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool PreTranslateMessage(void* rawMessage) {
  auto* message = static_cast<MSG*>(rawMessage);
  if (!message->hwnd) return false;
  HWND root = GetAncestor(message->hwnd, GA_ROOT);
  FormWindowPeer* form = root ? FormWindowPeer::FromWindow(root) : nullptr;
  if (!form) return false;
  switch (message->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (form->PreviewKey(message->wParam)) return true;
      break;
    case WM_CHAR:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
      if (WindowPeer* peer = WindowPeer::FromWindow(message->hwnd);
          peer && peer->FilterMessage(*message)) {
        return true;
      }
      break;
    default:
      break;
  }
  return IsDialogMessageA(root, message) != FALSE;
}

}  // namespace morvane::ui::win32
