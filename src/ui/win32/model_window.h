#pragma once

#include <windows.h>

#include <string>

#include "ui/control.h"
#include "ui/win32/dpi_scale.h"

namespace morvane::ui::win32 {

// The window of a model, a form's or a control's: the piece every window of
// ours shares. A window property leads from the window, and from the windows
// that are parts of the control, back to this object. Its messages come here
// by the class procedure of our own window classes (OwnedWindowProc), and
// through a subclass (SetWindowSubclass) of a system control taken over, the
// one way the program takes over a window. It answers
// alike for every window the program's cursor, WM_GETOBJECT, and what a
// window is told about the controls inside it.
class ModelWindow {
 public:
  ModelWindow(Control& model, HWND window);
  // Destroys the window, unless DestroyOwnWindow did.
  virtual ~ModelWindow();
  ModelWindow(const ModelWindow&) = delete;
  ModelWindow& operator=(const ModelWindow&) = delete;

  HWND Window() const { return window_; }
  Control& Model() const { return model_; }
  DpiScale Scale() const { return DpiScale::Of(window_); }

  // The object of one of our windows or of a part of one; null for any other.
  static ModelWindow* FromWindow(HWND window);

  // Every message to the window. What a peer leaves alone goes on to this.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // The cursor the control shows while the program shows none of its own;
  // null for its window class's cursor.
  virtual HCURSOR OwnCursor() const { return nullptr; }
  // The model's text as the window shows it.
  virtual std::wstring WideOf(const std::string& text) const;

 protected:
  // Lets a part of the control (another window) lead back to this object.
  void Adopt(HWND part);
  void Disown(HWND part);
  // A system window that is a part of the control answers screen readers as
  // the control.
  void TakeOver(HWND part);
  // The window's own handling of a message: its system class's, or the
  // default for ours.
  LRESULT CallBase(UINT message, WPARAM wParam, LPARAM lParam);
  // Destroys the window now, its messages no longer coming here: before the
  // rest of a peer that its messages would reach goes.
  void DestroyOwnWindow();

 private:
  static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR data);

  Control& model_;
  HWND window_;
  // A system control's window, taken over by a subclass.
  bool subclassed_ = false;
};

}  // namespace morvane::ui::win32
