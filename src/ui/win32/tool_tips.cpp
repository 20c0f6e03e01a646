#include "ui/win32/tool_tips.h"

#include <commctrl.h>

#include "platform/win32/message_params.h"
#include "ui/win32/window_text.h"

namespace morvane::ui::win32 {

using platform::win32::PointerParam;

ToolTips::ToolTips(HWND form)
    : form_(form),
      tip_(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, GetModuleHandleW(nullptr),
                           nullptr)) {}

ToolTips::~ToolTips() {
  if (tip_) DestroyWindow(tip_);
}

void ToolTips::SetTip(HWND tool, const std::string& text) {
  if (!tip_) return;
  std::wstring buffer = WideText(text);
  TOOLINFOW info{};
  // The version 2 layout is the one every comctl32 since 4.70 accepts.
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = form_;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = buffer.data();
  SendMessageW(tip_, TTM_DELTOOLW, 0, PointerParam(&info));
  if (!text.empty()) SendMessageW(tip_, TTM_ADDTOOLW, 0, PointerParam(&info));
}

}  // namespace morvane::ui::win32
