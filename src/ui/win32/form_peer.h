#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/win32/window_handles.h"
#include "ui/form.h"
#include "ui/win32/dpi_scale.h"
#include "ui/win32/model_window.h"
#include "ui/win32/tool_tips.h"

namespace morvane::ui::win32 {

// Posted to itself by a form that became active, so that its activation
// handler runs from the message loop rather than inside the activation.
inline constexpr UINT kActivatedMessage = WM_APP + 1;

// The window of a form.
class FormWindowPeer : public FormPeer, public ModelWindow {
 public:
  FormWindowPeer(Form& form, HWND window, HWND applicationWindow, bool isMainForm);
  ~FormWindowPeer() override;

  void Changed(Property property) override;
  base::WindowHandle Handle() const override { return platform::win32::HandleOf(Window()); }

  void Show() override;
  void Hide() override;
  int ShowModal() override;
  void Close() override;
  void Minimize() override;
  // The task-bar button was restored: the main window comes back.
  void RestoreFromMinimize();
  void CenterOnScreen() override;
  void Repaint() override;
  void BeginMoveByMouse() override;
  Control* FocusedControl() const override;
  Form& Model() const { return form_; }

  // The form's key preview of a queued key-down message: true when the form
  // handled the key and it goes no further.
  bool PreviewKey(WPARAM key);
  // The tool tips of the form a window sits on; null outside our forms.
  static ToolTips* ToolTipsOf(HWND window);

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The peer of a form's window; null for any other.
  static FormWindowPeer* FromWindow(HWND window);

  // The window size that gives the form its client area at the scale.
  static SIZE FrameSize(const Form& form, const DpiScale& scale, DWORD style, DWORD exStyle);

  // The window styles a form of this border gets.
  static DWORD StyleOf(const Form& form);
  static DWORD ExStyleOf(const Form& form);

 private:
  void ResizeToClient();
  // The window's size for the form's client area at the window's scale.
  SIZE WindowFrameSize() const;
  // The form's menu commands at the end of the window's system menu, and
  // their enabled state there as their buttons have it.
  void AddMenuCommands();
  void UpdateMenuCommands(HMENU menu);
  bool ChooseMenuCommand(WPARAM command);
  // Moved to a monitor of another scale: takes the system's rectangle for it
  // and lays the controls out again.
  void Rescale(const RECT& suggested);
  static void RescaleChildren(const Control& control);

  // Runs one of the form's timers as a window timer of the form.
  class TimerPeer : public Timer::Peer {
   public:
    TimerPeer(HWND window, UINT_PTR id, Timer& timer);
    ~TimerPeer() override;
    void Changed() override;
    Timer& Model() const { return timer_; }

   private:
    void Restart();
    HWND window_;
    UINT_PTR id_;
    Timer& timer_;
  };
  std::vector<std::unique_ptr<TimerPeer>> timers_;

  Form& form_;
  HWND applicationWindow_;
  bool isMainForm_;
  bool shownBefore_ = false;
  bool modal_ = false;
  bool hiddenByMinimize_ = false;
  ToolTips tips_;
};

}  // namespace morvane::ui::win32
