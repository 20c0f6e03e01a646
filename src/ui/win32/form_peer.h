#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/form.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

// Posted to itself by a form that became active, so that its activation
// handler runs from the message loop rather than inside the activation.
inline constexpr UINT kActivatedMessage = WM_APP + 1;

class FormWindowPeer : public FormPeer {
 public:
  FormWindowPeer(Form& form, HWND window, HWND applicationWindow, bool isMainForm);
  ~FormWindowPeer() override;

  void Changed(Property property) override;
  platform::WindowHandle Handle() const override {
    return reinterpret_cast<platform::WindowHandle>(window_);
  }

  void Show() override;
  void Hide() override;
  int ShowModal() override;
  void Close() override;
  void Minimize() override;
  void CenterOnScreen() override;
  void Repaint() override;

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  static FormWindowPeer* FromWindow(HWND window);

  // The window styles a form of this border gets.
  static DWORD StyleOf(const Form& form);
  static DWORD ExStyleOf(const Form& form);

 private:
  void ResizeToClient();

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
  HWND window_;
  HWND applicationWindow_;
  bool isMainForm_;
  bool shownBefore_ = false;
  bool modal_ = false;
};

}  // namespace morvane::ui::win32
