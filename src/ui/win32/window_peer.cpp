#include "ui/win32/window_peer.h"

#include "platform/win32/window_property.h"
#include "ui/win32/accessible_object.h"
#include "ui/win32/form_peer.h"
#include "ui/win32/message_reflection.h"
#include "ui/win32/window_classes.h"
#include "ui/win32/window_procedure.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {
namespace {

constexpr char kPeerProperty[] = "MorvanePeer";

}  // namespace

WindowPeer::WindowPeer(Control& control, HWND window) : control_(control), window_(window) {
  Adopt(window_);
  // A system control's messages come here first; before the tool tips take
  // the window over as well, so that theirs stay on top.
  constexpr WNDPROC kProcedure = &OwnedWindowProc<WindowPeer>;
  const auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC));
  if (procedure != kProcedure) {
    baseProcedure_ = procedure;
    SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(kProcedure));
  }
  UseFont(window_, ProgramFont(window_));
  UpdateToolTip();
}

WindowPeer::~WindowPeer() {
  if (!window_) return;
  Disown(window_);
  DestroyWindow(window_);
}

void WindowPeer::Adopt(HWND part) { SetPropA(part, kPeerProperty, this); }

void WindowPeer::Disown(HWND part) { RemovePropA(part, kPeerProperty); }

WindowPeer* WindowPeer::FromWindow(HWND window) {
  return platform::win32::PropertyObject<WindowPeer>(window, kPeerProperty);
}

LRESULT WindowPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR:
      if (ShowProgramCursor()) return TRUE;
      if (HCURSOR own = OwnCursor()) {
        SetCursor(own);
        return TRUE;
      }
      break;
    case WM_GETOBJECT:
      if (LRESULT answer = AnswerGetObject(window_, wParam, lParam)) return answer;
      break;
    default:
      break;
  }
  // Our own windows hold the controls; a system control's parts are its own.
  LRESULT result = 0;
  if (!baseProcedure_ && ReflectToChild(message, wParam, lParam, result)) return result;
  return CallBase(message, wParam, lParam);
}

HBRUSH WindowPeer::OnControlColor(HDC dc) { return ControlColors(dc, &control_.GetFont().color); }

LRESULT WindowPeer::CallBase(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!baseProcedure_) return DefWindowProcW(window_, message, wParam, lParam);
  return CallWindowProcW(baseProcedure_, window_, message, wParam, lParam);
}

void WindowPeer::Rescaled() {
  UseFont(window_, ProgramFont(window_));
  Changed(Property::Bounds);
}

std::wstring WindowPeer::WideOf(const std::string& text) const { return WideText(text); }

void WindowPeer::UpdateToolTip() {
  if (ToolTips* tips = FormWindowPeer::ToolTipsOf(window_))
    tips->SetTip(window_, control_.ToolTip());
}

void WindowPeer::Changed(Property property) {
  switch (property) {
    case Property::Bounds: {
      const RECT r = Scale().Out(control_.GetBounds());
      MoveWindow(window_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
      break;
    }
    case Property::Enabled:
      EnableWindow(window_, control_.Enabled() ? TRUE : FALSE);
      break;
    case Property::Visible:
      ShowWindow(window_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::Text:
      puttingText_ = true;
      SetWindowTextW(window_, WideOf(control_.Text()).c_str());
      puttingText_ = false;
      AnnounceNameChange(window_);
      break;
    case Property::Hint:
      UpdateToolTip();
      break;
    default:
      break;
  }
}

}  // namespace morvane::ui::win32
