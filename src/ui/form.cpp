#include "ui/form.h"

#include "ui/button.h"
#include "ui/layout.h"

namespace morvane::ui {

Form::Form(std::string name) : Control(nullptr, std::move(name)) { SetVisible(false); }

Form::~Form() = default;

void Form::SetClientWidth(int width) {
  if (width == clientWidth_) return;
  clientWidth_ = width;
  NotifyPeer(Property::Bounds);
  Realign();
}

void Form::SetClientHeight(int height) {
  if (height == clientHeight_) return;
  clientHeight_ = height;
  NotifyPeer(Property::Bounds);
  Realign();
}

void Form::Realign() { AlignChildren(*this, Bounds{0, 0, clientWidth_, clientHeight_}); }

void Form::Show() {
  minimized_ = false;
  if (auto* peer = FormPeerOrNull()) {
    peer->Show();
    return;
  }
  SetVisible(true);
  NotifyShown();
}

void Form::Hide() {
  if (auto* peer = FormPeerOrNull()) peer->Hide();
  SetVisible(false);
}

void Form::Close() {
  if (OnCloseQuery && !OnCloseQuery()) return;
  if (auto* peer = FormPeerOrNull()) {
    peer->Close();
    return;
  }
  NotifyClosed();
}

int Form::ShowModal() {
  modalResult_ = kModalResultNone;
  if (auto* peer = FormPeerOrNull()) return peer->ShowModal();
  SetVisible(true);
  modalResult_ = headlessModal ? headlessModal(*this) : kModalResultCancel;
  SetVisible(false);
  return modalResult_;
}

void Form::Minimize() {
  minimized_ = true;
  if (auto* peer = FormPeerOrNull()) peer->Minimize();
}

void Form::CenterOnScreen() {
  if (auto* peer = FormPeerOrNull()) peer->CenterOnScreen();
}

void Form::Repaint() {
  if (auto* peer = FormPeerOrNull()) peer->Repaint();
}

void Form::BeginMoveByMouse() {
  if (auto* peer = FormPeerOrNull()) peer->BeginMoveByMouse();
}

Control* Form::ActiveControl() const {
  if (auto* peer = FormPeerOrNull()) return peer->FocusedControl();
  return activeControl_;
}

void Form::MoveFocusTo(Control& control) {
  Control* previous = activeControl_;
  activeControl_ = &control;
  if (previous && previous != &control) previous->FocusLost();
}

bool Form::PreviewKey(int key, ShiftState shift) {
  for (ToolButton* command : menuCommands_) {
    if (!command->GetShortcut().Matches(key, shift)) continue;
    ChooseMenuCommand(*command);
    return true;
  }
  return keyPreview_ && OnKeyDown && OnKeyDown(key, shift);
}

void Form::ChooseMenuCommand(ToolButton& command) {
  if (command.Enabled()) command.Click();
}

void Form::PressKey(int key, ShiftState shift) {
  if (PreviewKey(key, shift)) return;
  if (Control* focused = ActiveControl()) focused->KeyPressed(key, shift);
}

namespace {

// Children's windows go before their parents', so no peer outlives its window.
void ReleasePeers(Control& control) {
  for (Control* child : control.Children()) ReleasePeers(*child);
  control.AttachPeer(nullptr);
}

}  // namespace

void Form::Destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (OnDestroy) OnDestroy();
  ReleasePeers(*this);
}

void Form::NotifyShown() {
  SetVisible(true);
  if (OnShow) OnShow();
}

void Form::NotifyActivated() {
  if (OnActivate) OnActivate();
}

void Form::NotifyClosed() {
  SetVisible(false);
  if (OnClose) OnClose();
}

}  // namespace morvane::ui
