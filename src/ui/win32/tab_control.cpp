#include "ui/win32/tab_control.h"

#include <commctrl.h>

#include "platform/win32/message_params.h"

namespace morvane::ui::win32 {

using platform::win32::PointerParam;

void TabControl::SetMinTabWidth(int width) { SendMessageA(window_, TCM_SETMINTABWIDTH, 0, width); }

void TabControl::InsertItem(int index, const std::string& caption) {
  std::string text = caption;
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageA(window_, TCM_INSERTITEMA, static_cast<WPARAM>(index), PointerParam(&item));
}

int TabControl::CurSel() const {
  return static_cast<int>(SendMessageA(window_, TCM_GETCURSEL, 0, 0));
}

void TabControl::SetCurSel(int index) {
  SendMessageA(window_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

RECT TabControl::ItemRect(int index) const {
  RECT rect{};
  SendMessageA(window_, TCM_GETITEMRECT, static_cast<WPARAM>(index), PointerParam(&rect));
  return rect;
}

void TabControl::SetItemSize(int width, int height) {
  SendMessageA(window_, TCM_SETITEMSIZE, 0, MAKELPARAM(width, height));
}

RECT TabControl::DisplayRect(const RECT& window) const {
  RECT rect = window;
  SendMessageA(window_, TCM_ADJUSTRECT, FALSE, PointerParam(&rect));
  return rect;
}

}  // namespace morvane::ui::win32
