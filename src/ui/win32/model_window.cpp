#include "ui/win32/model_window.h"

#include <commctrl.h>

#include "platform/win32/window_property.h"
#include "ui/win32/accessible_object.h"
#include "ui/win32/message_reflection.h"
#include "ui/win32/window_procedure.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {
namespace {

constexpr char kModelProperty[] = "MorvanePeer";
constexpr UINT_PTR kSubclassId = 1;

}  // namespace

ModelWindow::ModelWindow(Control& model, HWND window) : model_(model), window_(window) {
  Adopt(window_);
  const auto classProcedure = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window_, GCLP_WNDPROC));
  if (classProcedure != &OwnedWindowProc<ModelWindow>) {
    subclassed_ = SetWindowSubclass(window_, &SubclassProcedure, kSubclassId, 0) != FALSE;
  }
}

ModelWindow::~ModelWindow() { DestroyOwnWindow(); }

void ModelWindow::DestroyOwnWindow() {
  if (!window_) return;
  Disown(window_);
  if (subclassed_) RemoveWindowSubclass(window_, &SubclassProcedure, kSubclassId);
  DestroyWindow(window_);
  window_ = nullptr;
}

void ModelWindow::Adopt(HWND part) { SetPropA(part, kModelProperty, this); }

void ModelWindow::Disown(HWND part) {
  RemovePropA(part, kModelProperty);
  if (part != window_) RemoveWindowSubclass(part, &SubclassProcedure, kSubclassId);
}

void ModelWindow::TakeOver(HWND part) {
  Adopt(part);
  SetWindowSubclass(part, &SubclassProcedure, kSubclassId, 0);
}

ModelWindow* ModelWindow::FromWindow(HWND window) {
  return platform::win32::PropertyObject<ModelWindow>(window, kModelProperty);
}

LRESULT CALLBACK ModelWindow::SubclassProcedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR id, DWORD_PTR /*data*/) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, &SubclassProcedure, id);
    return DefSubclassProc(window, message, wParam, lParam);
  }
  ModelWindow* owner = FromWindow(window);
  if (owner && owner->window_ == window) return owner->HandleMessage(message, wParam, lParam);
  if (owner && message == WM_GETOBJECT) {
    if (LRESULT answer = AnswerGetObject(window, wParam, lParam)) return answer;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT ModelWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
  if (!subclassed_ && ReflectToChild(message, wParam, lParam, result)) return result;
  return CallBase(message, wParam, lParam);
}

std::wstring ModelWindow::WideOf(const std::string& text) const { return WideText(text); }

LRESULT ModelWindow::CallBase(UINT message, WPARAM wParam, LPARAM lParam) {
  if (subclassed_) return DefSubclassProc(window_, message, wParam, lParam);
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace morvane::ui::win32
