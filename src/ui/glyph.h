#pragma once

#include <cstdint>
#include <vector>

namespace morvane::ui {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A button picture as plain pixels, rows from the top. Wherever it has the
// colour of its bottom-left pixel the button face shows through.
struct Glyph {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  Glyph() = default;
  Glyph(int w, int h, Rgb fill)
      : width(w),
        height(h),
        pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}
  Rgb& At(int x, int y) { return pixels[Index(x, y)]; }
  const Rgb& At(int x, int y) const { return pixels[Index(x, y)]; }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
           static_cast<std::size_t>(x);
  }
};

inline constexpr Rgb kGreyedHighlight{255, 255, 255};
inline constexpr Rgb kGreyedShadow{128, 128, 128};

// The colour that stands for "no picture here": the bottom-left pixel's.
Rgb TransparentColor(const Glyph& glyph);

// The picture as a disabled button shows it: its dark pixels engraved into the
// face, in shadow grey with a white copy one pixel to the lower right; light
// pixels disappear. The twin's own bottom-left pixel is its transparent colour
// and differs from both engraving colours.
Glyph GreyedTwin(const Glyph& glyph);

}  // namespace morvane::ui
