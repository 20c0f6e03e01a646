#pragma once

#include <windows.h>

#include "ui/combo_box.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

// A drop-down COMBOBOX with an editable text.
class ComboBoxPeer : public TypedPeer<ComboBox> {
 public:
  ComboBoxPeer(ComboBox& combo, HWND window);
  ~ComboBoxPeer() override;
  void Changed(Property property) override;
  void OnCommand(WORD code) override;

 private:
  // The edit field inside, which takes the focus: a screen reader asks it
  // what it is, and hears the box's name and text.
  HWND editPart_ = nullptr;
};

}  // namespace morvane::ui::win32
