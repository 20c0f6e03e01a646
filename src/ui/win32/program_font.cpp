#include "ui/win32/program_font.h"

#include <cstdlib>
#include <iterator>
#include <map>
#include <string>

namespace morvane::ui::win32 {
namespace {

// The height of the forms' font (ui::Font) at 96 dpi.
constexpr int kDesignHeight = -11;
constexpr int kFaceNameSize = LF_FACESIZE;

// A line of Dutch text, and its width in the forms' face at 96 dpi and
// kDesignHeight. Each glyph of that face is a whole number of pixels wide,
// so a sentence in another face is compared with a sentence, not with the
// face's average width.
constexpr wchar_t kSampleText[] =
    L"een lijst van bestanden naar de printer sturen, met kopie\u00ebn per bestand";
constexpr int kSampleDesignWidth = 335;

// Faces that scale, as preferred: the outline twin of the forms' face that
// Windows has, and one that Windows and Wine both have.
constexpr const wchar_t* kScalableFaces[] = {L"Microsoft Sans Serif", L"Tahoma"};

HFONT Create(int height, const Font& font, const wchar_t* face) {
  return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                     font.underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

// What the system made of a font asked for: the face it chose, whether
// that face scales, and how wide it sets the sample.
struct Made {
  std::wstring face;
  bool scalable = false;
  int sampleWidth = 0;
};

Made Measure(int height, const wchar_t* face) {
  HFONT font = Create(height, Font{}, face);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  Made made;
  wchar_t name[kFaceNameSize] = {};
  GetTextFaceW(dc, kFaceNameSize, name);
  made.face = name;
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  made.scalable = (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) != 0;
  SIZE size{};
  GetTextExtentPoint32W(dc, kSampleText, static_cast<int>(std::size(kSampleText) - 1), &size);
  made.sampleWidth = size.cx;
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return made;
}

// The first of the scalable faces that the system has as asked; else the
// last, as the system's nearest.
const wchar_t* ScalableFace() {
  static const wchar_t* const chosen = [] {
    for (const wchar_t* face : kScalableFaces) {
      const Made made = Measure(kDesignHeight, face);
      if (made.scalable && lstrcmpiW(made.face.c_str(), face) == 0) return face;
    }
    return kScalableFaces[std::size(kScalableFaces) - 1];
  }();
  return chosen;
}

// The character height of the program's font at the scale: the largest,
// up to the same point size as at 96 dpi, whose sample fits the sample's
// scaled width.
int FittedHeight(const DpiScale& scale) {
  static std::map<int, int> fitted;
  if (const auto known = fitted.find(scale.Dpi()); known != fitted.end()) return known->second;
  const int limit = scale.Out(kSampleDesignWidth);
  int height = std::abs(scale.FontHeight(kDesignHeight));
  while (height > std::abs(kDesignHeight) && Measure(-height, ScalableFace()).sampleWidth > limit) {
    --height;
  }
  fitted[scale.Dpi()] = height;
  return height;
}

}  // namespace

HFONT CreateProgramFont(const Font& font, const DpiScale& scale) {
  if (scale.IsDesign()) return Create(font.height, font, kProgramFontFace);
  // Other sizes keep their proportion to the program's font.
  const int height = MulDiv(std::abs(font.height), FittedHeight(scale), std::abs(kDesignHeight));
  return Create(font.height < 0 ? -height : height, font, ScalableFace());
}

HFONT ProgramFont(HWND window) {
  // Windows move between monitors and back.
  static std::map<int, HFONT> fonts;
  const DpiScale scale = DpiScale::Of(window);
  HFONT& font = fonts[scale.Dpi()];
  if (!font) font = CreateProgramFont(Font{}, scale);
  return font;
}

}  // namespace morvane::ui::win32
