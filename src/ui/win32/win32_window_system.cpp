#include "ui/win32/win32_window_system.h"

#include <windows.h>

#include <objbase.h>

#include "platform/win32/window_handles.h"
#include "ui/win32/control_windows.h"
#include "ui/win32/form_peer.h"
#include "ui/win32/task_bar_window.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {

Win32WindowSystem::Win32WindowSystem() {
  comJoined_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  RegisterWindowClasses();
}

Win32WindowSystem::~Win32WindowSystem() {
  taskBar_.reset();
  if (comJoined_) CoUninitialize();
}

void Win32WindowSystem::SetApplicationTitle(const std::string& title) {
  if (taskBar_) {
    taskBar_->SetTitle(title);
    return;
  }
  taskBar_ = std::make_unique<TaskBarWindow>(title);
  if (mainForm_) taskBar_->SetMainForm(*mainForm_);
}

base::WindowHandle Win32WindowSystem::ApplicationWindow() const {
  return taskBar_ ? platform::win32::HandleOf(taskBar_->Window()) : 0;
}

void Win32WindowSystem::Realize(Form& form) {
  const bool isMain = mainForm_ == nullptr;
  if (isMain) {
    mainForm_ = &form;
    if (taskBar_) taskBar_->SetMainForm(form);
  }
  const DWORD style = FormWindowPeer::StyleOf(form);
  const DWORD exStyle = FormWindowPeer::ExStyleOf(form);
  // Made at the scale of the primary monitor; the system moves it on with
  // WM_DPICHANGED when it shows elsewhere.
  const SIZE frame = FormWindowPeer::FrameSize(form, DpiScale::Of(nullptr), style, exStyle);
  HWND owner = taskBar_ ? taskBar_->Window() : nullptr;
  HWND window = CreateWindowExW(exStyle, kFormClass, WideText(form.Text()).c_str(), style,
                                CW_USEDEFAULT, CW_USEDEFAULT, frame.cx, frame.cy, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) return;
  form.AttachPeer(std::make_unique<FormWindowPeer>(form, window, owner, isMain));
  RealizeChildren(form, window);
}

void Win32WindowSystem::RunMessageLoop(Form& mainForm) {
  if (taskBar_) taskBar_->Show();
  mainForm.Show();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool PreTranslateMessage(const MSG& message) {
  if (!message.hwnd) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  FormWindowPeer* form = root ? FormWindowPeer::FromWindow(root) : nullptr;
  if (!form) return false;
  // The preview comes before dialog navigation takes its keys.
  if ((message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) &&
      form->PreviewKey(message.wParam)) {
    return true;
  }
  // The system takes the message to read, though it asks for one it may change.
  MSG navigation = message;
  return IsDialogMessageW(root, &navigation) != FALSE;
}

}  // namespace morvane::ui::win32
