#include "ui/win32/tab_control.h"

#include <commctrl.h>

#include "platform/win32/message_params.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {

using platform::win32::PointerParam;

void TabControl::SetMinTabWidth(int width) { SendMessageW(window_, TCM_SETMINTABWIDTH, 0, width); }

void TabControl::InsertItem(int index, const std::string& caption) {
  std::wstring text = WideText(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageW(window_, TCM_INSERTITEMW, static_cast<WPARAM>(index), PointerParam(&item));
}

int TabControl::CurSel() const {
  return static_cast<int>(SendMessageW(window_, TCM_GETCURSEL, 0, 0));
}

void TabControl::SetCurSel(int index) {
  SendMessageW(window_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

RECT TabControl::ItemRect(int index) const {
  RECT rect{};
  SendMessageW(window_, TCM_GETITEMRECT, static_cast<WPARAM>(index), PointerParam(&rect));
  return rect;
}

void TabControl::SetItemSize(int width, int height) {
  SendMessageW(window_, TCM_SETITEMSIZE, 0, MAKELPARAM(width, height));
}

RECT TabControl::DisplayRect(const RECT& window) const {
  RECT rect = window;
  SendMessageW(window_, TCM_ADJUSTRECT, FALSE, PointerParam(&rect));
  return rect;
}

}  // namespace morvane::ui::win32
