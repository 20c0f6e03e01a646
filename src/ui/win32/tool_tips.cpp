#include "ui/win32/tool_tips.h"

#include <commctrl.h>

#include "platform/win32/message_params.h"

namespace morvane::ui::win32 {

using platform::win32::PointerParam;

ToolTips::ToolTips(HWND form)
    : form_(form),
      tip_(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, GetModuleHandleA(nullptr),
                           nullptr)) {}

ToolTips::~ToolTips() {
  if (tip_) DestroyWindow(tip_);
}

void ToolTips::SetTip(HWND tool, const std::string& text) {
  if (!tip_) return;
  std::string buffer = text;
  TOOLINFOA info{};
  // The version 2 layout is the one every comctl32 since 4.70 accepts.
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = form_;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = buffer.data();
  SendMessageA(tip_, TTM_DELTOOLA, 0, PointerParam(&info));
  if (!text.empty()) SendMessageA(tip_, TTM_ADDTOOLA, 0, PointerParam(&info));
}

}  // namespace morvane::ui::win32
