#include "platform/win32/wide_names.h"

#include <windows.h>

#include "base/name_text.h"

namespace morvane::platform::win32 {
namespace {

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// UTF-16 holding no half of a surrogate pair, to UTF-8.
std::string Utf8From(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
  return text;
}

std::wstring WideFromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
  return wide;
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
    name += Utf8From(wide.substr(whole, at - whole));
    name += base::kUncarriedCharacter;
    whole = at + 1;
  }
  return name + Utf8From(wide.substr(whole));
}

std::wstring WideFromName(std::string_view name) {
  // An uncarried character goes as a '?', which names no file.
  constexpr std::string_view kUncarried = base::kUncarriedCharacter;
  std::wstring wide;
  for (std::size_t at = 0;;) {
    const std::size_t uncarried = name.find(kUncarried, at);
    wide += WideFromUtf8(base::WellFormedUtf8(name.substr(at, uncarried - at)));
    if (uncarried == std::string_view::npos) return wide;
    wide += L'?';
    at = uncarried + kUncarried.size();
  }
}

}  // namespace morvane::platform::win32
