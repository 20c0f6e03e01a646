#pragma once

#include <windows.h>

#include <commctrl.h>

#include "ui/edit.h"
#include "ui/spin_edit.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

// A single-line EDIT that reports typing and double clicks. The fields hold
// control strings, bytes of the code page.
class EditPeer : public TypedPeer<Edit> {
 public:
  EditPeer(Edit& edit, HWND window);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WORD code) override;
  std::wstring WideOf(const std::string& text) const override;
};

// An EDIT with an up-down control on its right. Typed characters pass the
// model's filter or cost a beep; the arrows (buttons and keys) step the value;
// leaving the field corrects its text to the range.
class SpinEditPeer : public TypedPeer<SpinEdit> {
 public:
  SpinEditPeer(SpinEdit& spin, HWND edit);
  ~SpinEditPeer() override;

  void Changed(Property property) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(WORD code) override;
  LRESULT OnNotify(const NMHDR& header) override;

 private:
  void PlaceArrows();
  // An arrow pressed, as a step of the value.
  void Step(const NMUPDOWN& change);

  HWND arrows_;
};

}  // namespace morvane::ui::win32
