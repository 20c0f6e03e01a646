#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/timer.h"

namespace morvane::ui {

inline constexpr int kModalResultNone = 0;
inline constexpr int kModalResultOk = 1;
inline constexpr int kModalResultCancel = 2;

enum class BorderStyle { Single, Dialog, None };

// Files dropped on a form from the shell: their whole names, and the point
// of the drop in the form's client coordinates.
struct DroppedFiles {
  std::vector<std::string> names;
  int x = 0;
  int y = 0;
};

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
  // Lets the system move the window with the mouse, as a drag of its title
  // bar does, until the button is released.
  virtual void BeginMoveByMouse() = 0;
  // The control whose window has the keyboard focus, or null.
  virtual Control* FocusedControl() const = 0;
};

class ToolButton;

// A top-level window. Its text is the caption. Without a peer it runs headless:
// showing and closing only change its state and raise its events.
class Form : public Control {
 public:
  explicit Form(std::string name);
  ~Form() override;
  static constexpr ControlKind kKind{};
  const ControlKind& Kind() const override { return kKind; }

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

  // Moves the window with the mouse from a press on one of its panels; the
  // press's button must be down.
  void BeginMoveByMouse();

  // The control with the keyboard focus, or null.
  Control* ActiveControl() const;
  // Headless focus: control now has the focus, and the control that had it
  // is told it lost it. Control::SetFocus calls this when there is no peer.
  void MoveFocusTo(Control& control);

  // With key preview on, OnKeyDown sees every key press in the form before
  // the focused control does; returning true discards the key.
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool on) { keyPreview_ = on; }
  std::function<bool(int key, ShiftState shift)> OnKeyDown;
  // The peer's preview of a key press: true when the key is to be discarded.
  bool PreviewKey(int key, ShiftState shift);
  // Headless stand-in for a key press: the preview, then the focused control.
  void PressKey(int key, ShiftState shift);

  // Tool buttons whose commands the window's system menu offers too, under
  // their hints, in this order; their shortcut keys work anywhere in the form
  // before the key preview. Added before the form is realized.
  void AddMenuCommand(ToolButton& command) { menuCommands_.push_back(&command); }
  const std::vector<ToolButton*>& MenuCommands() const { return menuCommands_; }
  // A menu command or its key: a click of its button, if the button is
  // enabled (a run disables it).
  void ChooseMenuCommand(ToolButton& command);

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
  // Asked before the form closes; false keeps it open.
  std::function<bool()> OnCloseQuery;
  std::function<void()> OnClose;
  std::function<void()> OnDestroy;
  // Files dropped from the shell, once the window has taken them over.
  std::function<void(const DroppedFiles&)> OnDropFiles;
  // The session is about to end (log-off, shutdown): false asks it to wait.
  std::function<bool()> OnQueryEndSession;
  // The session ends (true), or goes on after all (false).
  std::function<void(bool ending)> OnEndSession;

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
  bool keyPreview_ = false;
  int modalResult_ = kModalResultNone;
  Control* activeControl_ = nullptr;
  std::vector<Timer*> timers_;
  std::vector<ToolButton*> menuCommands_;
};

}  // namespace morvane::ui
