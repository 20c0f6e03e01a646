#pragma once

#include <windows.h>

#include "ui/combo_box.h"
#include "ui/win32/window_peer.h"

namespace morvane::ui::win32 {

// A drop-down COMBOBOX with an editable text.
class ComboBoxPeer : public TypedPeer<ComboBox> {
 public:
  ComboBoxPeer(ComboBox& combo, HWND window);
  void Changed(Property property) override;
  void OnCommand(WORD code) override;
};

}  // namespace morvane::ui::win32
