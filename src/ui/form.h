#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/shell.h"
#include "ui/control.h"
#include "ui/timer.h"

namespace morvane::ui {

inline constexpr int kModalResultNone = 0;
inline constexpr int kModalResultOk = 1;
inline constexpr int kModalResultCancel = 2;

enum class BorderStyle { Single, Dialog, None };

// The window-level operations a form's peer carries out on screen.
class FormPeer : public ControlPeer {
 public:
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Runs until the form's modal result is set; returns it.
  virtual int ShowModal() = 0;
  virtual void Close() = 0;
  virtual void Minimize() = 0;
  virtual void CenterOnScreen() = 0;
  virtual void Repaint() = 0;
};

// A top-level window. Its text is the caption. Without a peer it runs headless:
// showing and closing only change its state and raise its events.
class Form : public Control {
 public:
  explicit Form(std::string name);
  ~Form() override;
  ControlKind Kind() const override { return ControlKind::Form; }

  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  // Lays the aligned children out again in the client area.
  void Realign();

  BorderStyle Border() const { return border_; }
  void SetBorder(BorderStyle border) { border_ = border; }
  bool MinimizeBox() const { return minimizeBox_; }
  void SetMinimizeBox(bool on) { minimizeBox_ = on; }
  bool TopMost() const { return topMost_; }
  void SetTopMost(bool on) { topMost_ = on; }

  void Show();
  void Hide();
  void Close();
  int ShowModal();
  void Minimize();
  bool Minimized() const { return minimized_; }
  void CenterOnScreen();
  void Repaint();

  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  // Ends the form: raises OnDestroy while its window still exists, then
  // releases the window.
  void Destroy();
  bool Destroyed() const { return destroyed_; }

  // Called by the peer (or by a headless driver) when these things happen.
  void NotifyShown();
  void NotifyActivated();
  void NotifyClosed();

  std::function<void()> OnShow;
  std::function<void()> OnActivate;
  std::function<void()> OnClose;
  std::function<void()> OnDestroy;
  // Files dropped from the shell; the handler releases the drop.
  std::function<void(platform::DropHandle)> OnDropFiles;

  // The timers the form runs while it exists.
  void AddTimer(Timer& timer) { timers_.push_back(&timer); }
  const std::vector<Timer*>& Timers() const { return timers_; }

  // Headless stand-in for the user of a modal form: returns the modal result.
  std::function<int(Form&)> headlessModal;

 private:
  FormPeer* FormPeerOrNull() const { return static_cast<FormPeer*>(Peer()); }

  int clientWidth_ = 0;
  int clientHeight_ = 0;
  BorderStyle border_ = BorderStyle::Single;
  bool minimizeBox_ = true;
  bool topMost_ = false;
  bool minimized_ = false;
  bool destroyed_ = false;
  int modalResult_ = kModalResultNone;
  std::vector<Timer*> timers_;
};

}  // namespace morvane::ui
