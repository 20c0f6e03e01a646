#include "ui/win32/window_text.h"

#include "platform/win32/wide_names.h"

namespace morvane::ui::win32 {

std::wstring WideText(std::string_view text) { return platform::win32::WideFromName(text); }

std::string ProgramText(std::wstring_view wide) { return platform::win32::NameFromWide(wide); }

std::wstring WideFromCodePage(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

std::string CodePageFromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

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
