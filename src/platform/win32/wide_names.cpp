#include "platform/win32/wide_names.h"

#include <windows.h>

#include "base/name_text.h"

namespace morvane::platform::win32 {
namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

std::wstring WideIn(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::string NarrowIn(UINT codePage, std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

}  // namespace

std::string NameFromWide(std::wstring_view wide) {
  std::string name;
  std::size_t whole = 0;  // where the run of characters without a lone half starts
  for (std::size_t at = 0; at < wide.size(); ++at) {
    if (IsHighSurrogate(wide[at]) && at + 1 < wide.size() && IsLowSurrogate(wide[at + 1])) {
      ++at;
      continue;
    }
    if (!IsHighSurrogate(wide[at]) && !IsLowSurrogate(wide[at])) continue;
    name += NarrowIn(CP_UTF8, wide.substr(whole, at - whole));
    name += base::kUncarriedCharacter;
    whole = at + 1;
  }
  return name + NarrowIn(CP_UTF8, wide.substr(whole));
}

std::wstring WideFromName(std::string_view name) {
  // An uncarried character goes as a '?', which names no file.
  constexpr std::string_view kUncarried = base::kUncarriedCharacter;
  std::wstring wide;
  for (std::size_t at = 0;;) {
    const std::size_t uncarried = name.find(kUncarried, at);
    wide += WideIn(CP_UTF8, base::WellFormedUtf8(name.substr(at, uncarried - at)));
    if (uncarried == std::string_view::npos) return wide;
    wide += L'?';
    at = uncarried + kUncarried.size();
  }
}

std::wstring WideFromCodePage(std::string_view bytes) { return WideIn(CP_ACP, bytes); }

std::string CodePageFromWide(std::wstring_view wide) { return NarrowIn(CP_ACP, wide); }

}  // namespace morvane::platform::win32
