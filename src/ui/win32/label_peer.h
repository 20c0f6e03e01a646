#pragma once

#include <windows.h>

#include "ui/label.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

// Static text in the label's own font that takes the size of its text, as the
// font on screen has it. It reports the mouse entering and leaving it and the
// left button going down on it, and shows the label's cursor.
class LabelPeer : public TypedPeer<Label> {
 public:
  LabelPeer(Label& label, HWND window);
  ~LabelPeer() override;
  void Changed(Property property) override;
  void Rescaled() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  HCURSOR OwnCursor() const override;

 private:
  void ApplyFont();
  void FitToText();

  HFONT font_ = nullptr;
  bool hovering_ = false;
};

}  // namespace morvane::ui::win32
