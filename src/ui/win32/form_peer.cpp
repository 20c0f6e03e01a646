#include "ui/win32/form_peer.h"

#include <algorithm>
#include <vector>

#include "platform/win32/message_params.h"
#include "platform/win32/window_property.h"
#include "ui/button.h"
#include "ui/shortcut.h"
#include "ui/win32/accessible_object.h"
#include "ui/win32/dropped_files.h"
#include "ui/win32/message_reflection.h"
#include "ui/win32/win32_window_system.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {

namespace {

// Leads from a form's window to its peer, and tells our form windows from the rest.
constexpr char kFormPeerProperty[] = "MorvaneForm";

// The system menu's own commands are SC_* values from 0xF000 up, and the
// system keeps the low four bits of a command for itself: ours are 0x10,
// 0x20, ... in the order of the form's menu commands.
constexpr UINT kMenuCommandStep = 0x10;
constexpr UINT kSystemCommandMask = 0xFFF0;

UINT MenuCommandId(std::size_t index) { return static_cast<UINT>(index + 1) * kMenuCommandStep; }

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM context) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) {
    platform::win32::ParamData<std::vector<HWND>>(context).push_back(window);
  }
  return TRUE;
}

}  // namespace

FormWindowPeer::FormWindowPeer(Form& form, HWND window, HWND applicationWindow, bool isMainForm)
    : form_(form),
      window_(window),
      applicationWindow_(applicationWindow),
      isMainForm_(isMainForm),
      tips_(window) {
  SetPropA(window_, kFormPeerProperty, this);
  UseFont(window_, ProgramFont(window_));
  // The system held the new window within the screen; a form larger than
  // that (at a large scale) gets its size now that it answers for itself.
  ResizeToClient();
  AddMenuCommands();
  UINT_PTR id = 1;
  for (Timer* timer : form.Timers()) {
    timers_.push_back(std::make_unique<TimerPeer>(window_, id++, *timer));
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
  RemovePropA(window_, kFormPeerProperty);
  DestroyWindow(window_);
}

FormWindowPeer* FormWindowPeer::FromWindow(HWND window) {
  return platform::win32::PropertyObject<FormWindowPeer>(window, kFormPeerProperty);
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
  HMENU menu = GetSystemMenu(window_, FALSE);
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

void FormWindowPeer::ResizeToClient() {
  const SIZE frame = FrameSize(form_, DpiScale::Of(window_),
                               static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                               static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
  SetWindowPos(window_, nullptr, 0, 0, frame.cx, frame.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE FormWindowPeer::FrameSize(const Form& form, const DpiScale& scale, DWORD style,
                               DWORD exStyle) {
  const SIZE client{scale.Out(form.ClientWidth()), scale.Out(form.ClientHeight())};
  return win32::FrameSize(client, style, exStyle, scale);
}

void FormWindowPeer::Rescale(const RECT& suggested) {
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  UseFont(window_, ProgramFont(window_));
  RescaleChildren(form_);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
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
      PutWindowText(window_, form_.Text());
      break;
    case Property::Visible:
      if (!form_.Visible() && IsWindowVisible(window_)) ShowWindow(window_, SW_HIDE);
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
  ShowWindow(window_, SW_SHOW);
}

void FormWindowPeer::Hide() { ShowWindow(window_, SW_HIDE); }

int FormWindowPeer::ShowModal() {
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow,
                    platform::win32::PointerParam(&disabled));
  std::erase(disabled, window_);
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
  ShowWindow(window_, SW_HIDE);
  form_.NotifyClosed();
  return form_.ModalResult();
}

void FormWindowPeer::Close() {
  if (modal_) {
    form_.SetModalResult(kModalResultCancel);
    return;
  }
  ShowWindow(window_, SW_HIDE);
  if (isMainForm_) PostQuitMessage(0);
  form_.NotifyClosed();
}

void FormWindowPeer::Minimize() {
  if (isMainForm_ && applicationWindow_) {
    // The task-bar button goes down and takes the main window with it; not
    // every platform hides owned windows with their owner, so hide it here.
    ShowWindow(applicationWindow_, SW_MINIMIZE);
    if (IsWindowVisible(window_)) {
      hiddenByMinimize_ = true;
      ShowWindow(window_, SW_HIDE);
    }
  } else {
    ShowWindow(window_, SW_MINIMIZE);
  }
}

void FormWindowPeer::RestoreFromMinimize() {
  if (!hiddenByMinimize_) return;
  hiddenByMinimize_ = false;
  ShowWindow(window_, SW_SHOW);
  SetForegroundWindow(window_);
}

void FormWindowPeer::CenterOnScreen() {
  RECT rect;
  GetWindowRect(window_, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindowPeer::Repaint() {
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void FormWindowPeer::BeginMoveByMouse() {
  // The system's own move loop, as if the title bar had been pressed.
  ReleaseCapture();
  SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

Control* FormWindowPeer::FocusedControl() const {
  for (HWND window = GetFocus(); window && window != window_; window = GetParent(window)) {
    if (WindowPeer* peer = WindowPeer::FromWindow(window)) return &peer->Model();
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
  LRESULT result = 0;
  if (message == WM_SETCURSOR && ShowProgramCursor()) return TRUE;
  if (ReflectToChild(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_CLOSE:
      form_.Close();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) PostMessageW(window_, kActivatedMessage, 0, 0);
      break;
    case kActivatedMessage:
      form_.NotifyActivated();
      return 0;
    case WM_GETMINMAXINFO: {
      // At a large scale the form may be larger than a small screen; it
      // keeps its size all the same, as it does at 96 dpi.
      auto& limits = platform::win32::ParamData<MINMAXINFO>(lParam);
      const SIZE frame = FrameSize(form_, DpiScale::Of(window_),
                                   static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE)),
                                   static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE)));
      limits.ptMaxTrackSize.x = std::max(limits.ptMaxTrackSize.x, frame.cx);
      limits.ptMaxTrackSize.y = std::max(limits.ptMaxTrackSize.y, frame.cy);
      return 0;
    }
    case WM_DPICHANGED:
      Rescale(platform::win32::ParamData<const RECT>(lParam));
      return 0;
    case WM_DROPFILES: {
      DroppedFiles files = TakeDroppedFiles(reinterpret_cast<HDROP>(wParam));
      const POINT at = DpiScale::Of(window_).In(POINT{files.x, files.y});
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
    case WM_GETOBJECT:
      if (LRESULT answer = AnswerGetObject(window_, wParam, lParam)) return answer;
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace morvane::ui::win32
