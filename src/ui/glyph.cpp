#include "ui/glyph.h"

namespace morvane::ui {
namespace {

// Pixels darker than this are the picture's lines and survive greying; the
// light fills (white, silver, yellow) vanish, as on a disabled toolbar.
constexpr int kInkLuminance = 192;
constexpr Rgb kFallbackTransparent{0, 0, 0};

int Luminance(const Rgb& c) { return (299 * c.red + 587 * c.green + 114 * c.blue) / 1000; }

}  // namespace

Rgb TransparentColor(const Glyph& glyph) {
  if (glyph.width <= 0 || glyph.height <= 0) return kFallbackTransparent;
  return glyph.At(0, glyph.height - 1);
}

Glyph GreyedTwin(const Glyph& glyph) {
  const Rgb source = TransparentColor(glyph);
  const bool clashes = source == kGreyedHighlight || source == kGreyedShadow;
  Glyph twin(glyph.width, glyph.height, clashes ? kFallbackTransparent : source);
  auto isInk = [&](int x, int y) {
    const Rgb& c = glyph.At(x, y);
    return c != source && Luminance(c) < kInkLuminance;
  };
  for (int y = 0; y + 1 < glyph.height; ++y) {
    for (int x = 0; x + 1 < glyph.width; ++x) {
      if (isInk(x, y)) twin.At(x + 1, y + 1) = kGreyedHighlight;
    }
  }
  for (int y = 0; y < glyph.height; ++y) {
    for (int x = 0; x < glyph.width; ++x) {
      if (isInk(x, y)) twin.At(x, y) = kGreyedShadow;
    }
  }
  return twin;
}

}  // namespace morvane::ui
