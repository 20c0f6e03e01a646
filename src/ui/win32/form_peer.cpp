#include "ui/win32/form_peer.h"

#include <algorithm>
#include <vector>

#include "platform/win32/message_params.h"
#include "ui/button.h"
#include "ui/shortcut.h"
#include "ui/win32/dropped_files.h"
#include "ui/win32/win32_window_system.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_peer.h"
#include "ui/win32/window_text.h"
#include "ui/window_place.h"

namespace morvane::ui::win32 {

namespace {

// The system menu's own commands are SC_* values from 0xF000 up, and the
// system keeps the low four bits of a command for itself: ours are 0x10,
// 0x20, ... in the order of the form's menu commands.
constexpr UINT kMenuCommandStep = 0x10;
constexpr UINT kSystemCommandMask = 0xFFF0;

// The work area of the monitor nearest the rectangle: the screen without
// the task bar.
Bounds WorkAreaAt(const RECT& rect) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &info)) {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &info.rcWork, 0);
  }
  const RECT& work = info.rcWork;
  return Bounds{work.left, work.top, work.right - work.left, work.bottom - work.top};
}

UINT MenuCommandId(std::size_t index) { return static_cast<UINT>(index + 1) * kMenuCommandStep; }

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM context) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) {
    platform::win32::ParamData<std::vector<HWND>>(context).push_back(window);
  }
  return TRUE;
}

}  // namespace

FormWindowPeer::FormWindowPeer(Form& form, HWND window, HWND applicationWindow, bool isMainForm)
    : ModelWindow(form, window),
      form_(form),
      applicationWindow_(applicationWindow),
      isMainForm_(isMainForm),
      tips_(window) {
  UseFont(Window(), ProgramFont(Window()));
  // The system held the new window within the screen; a form larger than
  // that (at a large scale) gets its size now that it answers for itself.
  ResizeToClient();
  AddMenuCommands();
  UINT_PTR id = 1;
  for (Timer* timer : form.Timers()) {
    timers_.push_back(std::make_unique<TimerPeer>(Window(), id++, *timer));
  }
}

FormWindowPeer::TimerPeer::TimerPeer(HWND window, UINT_PTR id, Timer& timer)
    : window_(window), id_(id), timer_(timer) {
  timer_.AttachPeer(this);
  Restart();
}

FormWindowPeer::TimerPeer::~TimerPeer() {
  timer_.AttachPeer(nullptr);
  KillTimer(window_, id_);
}

void FormWindowPeer::TimerPeer::Changed() { Restart(); }

void FormWindowPeer::TimerPeer::Restart() {
  KillTimer(window_, id_);
  if (timer_.Enabled()) SetTimer(window_, id_, static_cast<UINT>(timer_.Interval()), nullptr);
}

FormWindowPeer::~FormWindowPeer() {
  timers_.clear();
  DestroyOwnWindow();
}

FormWindowPeer* FormWindowPeer::FromWindow(HWND window) {
  return dynamic_cast<FormWindowPeer*>(ModelWindow::FromWindow(window));
}

DWORD FormWindowPeer::StyleOf(const Form& form) {
  switch (form.Border()) {
    case BorderStyle::Single:
      return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN |
             (form.MinimizeBox() ? WS_MINIMIZEBOX : 0);
    case BorderStyle::Dialog:
      return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case BorderStyle::None:
      break;
  }
  return WS_POPUP | WS_CLIPCHILDREN;
}

DWORD FormWindowPeer::ExStyleOf(const Form& form) {
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (form.Border() == BorderStyle::Dialog) exStyle |= WS_EX_DLGMODALFRAME;
  if (form.TopMost()) exStyle |= WS_EX_TOPMOST;
  return exStyle;
}

void FormWindowPeer::AddMenuCommands() {
  const std::vector<ToolButton*>& commands = form_.MenuCommands();
  if (commands.empty()) return;
  HMENU menu = GetSystemMenu(Window(), FALSE);
  if (!menu) return;
  AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  for (std::size_t i = 0; i < commands.size(); ++i) {
    std::string text = commands[i]->Hint();
    const std::string key = ShortcutText(commands[i]->GetShortcut());
    if (!key.empty()) text += "\t" + key;
    AppendMenuW(menu, MF_STRING, MenuCommandId(i), WideText(text).c_str());
  }
}

void FormWindowPeer::UpdateMenuCommands(HMENU menu) {
  const std::vector<ToolButton*>& commands = form_.MenuCommands();
  for (std::size_t i = 0; i < commands.size(); ++i) {
    EnableMenuItem(menu, MenuCommandId(i),
                   MF_BYCOMMAND | (commands[i]->Enabled() ? MF_ENABLED : MF_GRAYED));
  }
}

bool FormWindowPeer::ChooseMenuCommand(WPARAM command) {
  const std::vector<ToolButton*>& commands = form_.MenuCommands();
  for (std::size_t i = 0; i < commands.size(); ++i) {
    if ((command & kSystemCommandMask) != MenuCommandId(i)) continue;
    form_.ChooseMenuCommand(*commands[i]);
    return true;
  }
  return false;
}

SIZE FormWindowPeer::WindowFrameSize() const {
  return FrameSize(form_, DpiScale::Of(Window()),
                   static_cast<DWORD>(GetWindowLongPtrW(Window(), GWL_STYLE)),
                   static_cast<DWORD>(GetWindowLongPtrW(Window(), GWL_EXSTYLE)));
}

void FormWindowPeer::ResizeToClient() {
  const SIZE frame = WindowFrameSize();
  SetWindowPos(Window(), nullptr, 0, 0, frame.cx, frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE FormWindowPeer::FrameSize(const Form& form, const DpiScale& scale, DWORD style,
                               DWORD exStyle) {
  const SIZE client{scale.Out(form.ClientWidth()), scale.Out(form.ClientHeight())};
  return win32::FrameSize(client, style, exStyle, scale);
}

void FormWindowPeer::Rescale(const RECT& suggested) {
  // The suggested rectangle scales the whole window, frame and caption with
  // it, which the system scales its own way: it gives the place, the form's
  // client area the size.
  const SIZE frame = WindowFrameSize();
  SetWindowPos(Window(), nullptr, suggested.left, suggested.top, frame.cx, frame.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  UseFont(Window(), ProgramFont(Window()));
  RescaleChildren(form_);
  RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void FormWindowPeer::RescaleChildren(const Control& control) {
  for (const Control* child : control.Children()) {
    if (auto* peer = dynamic_cast<WindowPeer*>(child->Peer())) peer->Rescaled();
    RescaleChildren(*child);
  }
}

void FormWindowPeer::Changed(Property property) {
  switch (property) {
    case Property::Bounds:
      ResizeToClient();
      break;
    case Property::Text:
      PutWindowText(Window(), form_.Text());
      break;
    case Property::Visible:
      if (!form_.Visible() && IsWindowVisible(Window())) ShowWindow(Window(), SW_HIDE);
      break;
    default:
      break;
  }
}

void FormWindowPeer::Show() {
  hiddenByMinimize_ = false;
  // The dialogs come up centred for their size at every showing (the info box
  // is smaller as the splash than as itself); the main window only at its
  // first, since the user may have moved it since, and at a mode switch.
  if (!shownBefore_ || !isMainForm_) CenterOnScreen();
  shownBefore_ = true;
  if (isMainForm_ && applicationWindow_ && IsIconic(applicationWindow_)) {
    ShowWindow(applicationWindow_, SW_RESTORE);
  }
  form_.NotifyShown();
  ShowWindow(Window(), SW_SHOW);
}

void FormWindowPeer::Hide() { ShowWindow(Window(), SW_HIDE); }

int FormWindowPeer::ShowModal() {
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow,
                    platform::win32::PointerParam(&disabled));
  std::erase(disabled, Window());
  for (HWND window : disabled) EnableWindow(window, FALSE);

  modal_ = true;
  form_.SetModalResult(kModalResultNone);
  Show();
  MSG message;
  while (form_.ModalResult() == kModalResultNone) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      PostQuitMessage(static_cast<int>(message.wParam));
      form_.SetModalResult(kModalResultCancel);
      break;
    }
    if (PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  modal_ = false;

  for (HWND window : disabled) EnableWindow(window, TRUE);
  ShowWindow(Window(), SW_HIDE);
  form_.NotifyClosed();
  return form_.ModalResult();
}

void FormWindowPeer::Close() {
  if (modal_) {
    form_.SetModalResult(kModalResultCancel);
    return;
  }
  ShowWindow(Window(), SW_HIDE);
  if (isMainForm_) PostQuitMessage(0);
  form_.NotifyClosed();
}

void FormWindowPeer::Minimize() {
  if (isMainForm_ && applicationWindow_) {
    // The task-bar button goes down and takes the main window with it; not
    // every platform hides owned windows with their owner, so hide it here.
    ShowWindow(applicationWindow_, SW_MINIMIZE);
    if (IsWindowVisible(Window())) {
      hiddenByMinimize_ = true;
      ShowWindow(Window(), SW_HIDE);
    }
  } else {
    ShowWindow(Window(), SW_MINIMIZE);
  }
}

void FormWindowPeer::RestoreFromMinimize() {
  if (!hiddenByMinimize_) return;
  hiddenByMinimize_ = false;
  ShowWindow(Window(), SW_SHOW);
  SetForegroundWindow(Window());
}

void FormWindowPeer::CenterOnScreen() {
  RECT rect;
  GetWindowRect(Window(), &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  const int left = (screenWidth - width) / 2;
  const int top = (screenHeight - height) / 2;
  const RECT centred{left, top, left + width, top + height};
  const WindowPlace place =
      CentredOnScreen(screenWidth, screenHeight, width, height, WorkAreaAt(centred));
  SetWindowPos(Window(), nullptr, place.left, place.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindowPeer::Repaint() {
  RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void FormWindowPeer::BeginMoveByMouse() {
  // The system's own move loop, as if the title bar had been pressed.
  ReleaseCapture();
  SendMessageW(Window(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

Control* FormWindowPeer::FocusedControl() const {
  for (HWND window = GetFocus(); window && window != Window(); window = GetParent(window)) {
    if (ModelWindow* shown = ModelWindow::FromWindow(window)) return &shown->Model();
  }
  return nullptr;
}

bool FormWindowPeer::PreviewKey(WPARAM key) {
  return form_.PreviewKey(static_cast<int>(key), CurrentShiftState());
}

ToolTips* FormWindowPeer::ToolTipsOf(HWND window) {
  FormWindowPeer* form = FromWindow(GetAncestor(window, GA_ROOT));
  return form ? &form->tips_ : nullptr;
}

LRESULT FormWindowPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      form_.Close();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) PostMessageW(Window(), kActivatedMessage, 0, 0);
      break;
    case kActivatedMessage:
      form_.NotifyActivated();
      return 0;
    case WM_GETMINMAXINFO: {
      // At a large scale the form may be larger than a small screen; it
      // keeps its size all the same, as it does at 96 dpi.
      auto& limits = platform::win32::ParamData<MINMAXINFO>(lParam);
      const SIZE frame = WindowFrameSize();
      limits.ptMaxTrackSize.x = std::max(limits.ptMaxTrackSize.x, frame.cx);
      limits.ptMaxTrackSize.y = std::max(limits.ptMaxTrackSize.y, frame.cy);
      return 0;
    }
    case WM_DPICHANGED:
      Rescale(platform::win32::ParamData<const RECT>(lParam));
      return 0;
    case WM_DROPFILES: {
      DroppedFiles files = TakeDroppedFiles(reinterpret_cast<HDROP>(wParam));
      const POINT at = DpiScale::Of(Window()).In(POINT{files.x, files.y});
      files.x = at.x;
      files.y = at.y;
      if (form_.OnDropFiles) form_.OnDropFiles(files);
      return 0;
    }
    case WM_QUERYENDSESSION:
      return form_.OnQueryEndSession && !form_.OnQueryEndSession() ? FALSE : TRUE;
    case WM_ENDSESSION:
      if (form_.OnEndSession) form_.OnEndSession(wParam != FALSE);
      return 0;
    case WM_TIMER:
      if (wParam >= 1 && wParam <= timers_.size()) timers_[wParam - 1]->Model().Fire();
      return 0;
    case WM_SYSCOMMAND:
      if ((wParam & kSystemCommandMask) == SC_MINIMIZE && isMainForm_ && applicationWindow_) {
        Minimize();
        return 0;
      }
      if (ChooseMenuCommand(wParam)) return 0;
      break;
    case WM_INITMENUPOPUP:
      if (HIWORD(lParam)) UpdateMenuCommands(reinterpret_cast<HMENU>(wParam));
      break;
    default:
      break;
  }
  return ModelWindow::HandleMessage(message, wParam, lParam);
}

}  // namespace morvane::ui::win32
