#include "platform/win32/ansi_names.h"

#include <windows.h>

#include "base/name_text.h"

namespace morvane::platform::win32 {
namespace {

constexpr char kUncarried[] = {base::kEscapeMark, base::kUncarriedByte, '\0'};
constexpr wchar_t kWideEscapeMark = L'?';

int SizeOf(std::wstring_view text) { return static_cast<int>(text.size()); }
int SizeOf(std::string_view text) { return static_cast<int>(text.size()); }

std::wstring WideFrom(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(codePage, 0, text.data(), SizeOf(text), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), SizeOf(text), wide.data(), length);
  return wide;
}

std::string NarrowTo(UINT codePage, DWORD flags, std::wstring_view wide, BOOL* usedDefault) {
  if (wide.empty()) return {};
  const int length = WideCharToMultiByte(codePage, flags, wide.data(), SizeOf(wide), nullptr, 0,
                                         nullptr, usedDefault);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, flags, wide.data(), SizeOf(wide), text.data(), length, nullptr,
                      usedDefault);
  return text;
}

// The ANSI bytes of wide when they give wide back exactly.
bool ToAnsiExactly(std::wstring_view wide, std::string& ansi) {
  // A UTF-8 code page takes neither the best-fit flag nor the default-char
  // report; the round trip below decides there alone.
  const bool utf8CodePage = GetACP() == CP_UTF8;
  BOOL usedDefault = FALSE;
  ansi = NarrowTo(CP_ACP, utf8CodePage ? 0 : WC_NO_BEST_FIT_CHARS, wide,
                  utf8CodePage ? nullptr : &usedDefault);
  return !usedDefault && WideFrom(CP_ACP, ansi) == wide;
}

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Character by character: the code page's bytes where they are exact, an
// escape where they are not, and the uncarried mark for a lone surrogate.
// With markLiteralMarks every '?' of the name is marked uncarried as well.
std::string Escaped(std::wstring_view wide, bool markLiteralMarks) {
  std::string name;
  for (std::size_t at = 0; at < wide.size();) {
    const bool pair =
        IsHighSurrogate(wide[at]) && at + 1 < wide.size() && IsLowSurrogate(wide[at + 1]);
    const std::wstring_view character = wide.substr(at, pair ? 2 : 1);
    at += character.size();
    if (!pair && (IsHighSurrogate(character[0]) || IsLowSurrogate(character[0]))) {
      name += kUncarried;
      continue;
    }
    if (markLiteralMarks && character[0] == kWideEscapeMark) {
      name += kUncarried;
      continue;
    }
    std::string ansi;
    if (ToAnsiExactly(character, ansi)) {
      name += ansi;
    } else {
      name += base::kEscapeMark;
      name += NarrowTo(CP_UTF8, 0, character, nullptr);
    }
  }
  return name;
}

}  // namespace

std::string NameFromWide(std::wstring_view wide) {
  std::string ansi;
  if (ToAnsiExactly(wide, ansi) && ansi.find(base::kEscapeMark) == std::string::npos) return ansi;
  std::string name = Escaped(wide, false);
  // A literal '?' followed by what reads as an escape (possible on a command
  // line only: no file name holds a '?') would come back as another name.
  if (WideFromName(name) != wide && !base::HoldsUncarriedCharacter(name))
    name = Escaped(wide, true);
  return name;
}

std::wstring WideFromName(std::string_view name) {
  std::wstring wide;
  std::size_t plainStart = 0;
  for (std::size_t at = 0; at < name.size();) {
    const std::size_t escape = base::EscapeLengthAt(name, at);
    if (escape == 0) {
      ++at;
      continue;
    }
    wide += WideFrom(CP_ACP, name.substr(plainStart, at - plainStart));
    wide += WideFrom(CP_UTF8, name.substr(at + 1, escape - 1));
    at += escape;
    plainStart = at;
  }
  wide += WideFrom(CP_ACP, name.substr(plainStart));
  return wide;
}

bool AnsiBytesExactly(std::wstring_view wide, std::string& ansi) {
  return ToAnsiExactly(wide, ansi);
}

bool NeedsWideCalls(std::string_view name) { return base::HoldsEscape(name); }

}  // namespace morvane::platform::win32
