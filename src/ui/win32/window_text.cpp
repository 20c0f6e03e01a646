#include "ui/win32/window_text.h"

#include "platform/win32/wide_names.h"

namespace morvane::ui::win32 {

std::wstring WideText(std::string_view text) { return platform::win32::WideFromName(text); }

std::string ProgramText(std::wstring_view wide) { return platform::win32::NameFromWide(wide); }

std::wstring WideWindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

std::string WindowText(HWND window) { return ProgramText(WideWindowText(window)); }

void PutWindowText(HWND window, std::string_view text) {
  SetWindowTextW(window, WideText(text).c_str());
}

}  // namespace morvane::ui::win32
