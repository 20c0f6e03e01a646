#pragma once

namespace morvane::ui {

// The forms and controls keep their sizes in pixels of a 96-dpi screen. A
// window scales them to the dots per inch of its monitor, rounded as the
// system's MulDiv rounds (to the nearest pixel, halves away from zero): sizes
// and fonts on the way out, points on the way in. At 96 dpi nothing changes.
inline constexpr int kDesignDpi = 96;

class Scale {
 public:
  explicit Scale(int dpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}

  int Dpi() const { return dpi_; }
  bool IsDesign() const { return dpi_ == kDesignDpi; }
  int Out(int pixels) const { return Rounded(pixels, dpi_, kDesignDpi); }
  int In(int pixels) const { return Rounded(pixels, kDesignDpi, dpi_); }
  // A font height of the forms (negative: the character height) at the same
  // point size for this scale.
  int FontHeight(int designHeight) const;

  // The last of the steps 0, step, 2 * step, ... (in 96-dpi pixels) whose
  // scaled edge is at or above the device position: the band a device pixel
  // belongs to when each edge is scaled on its own, as they are painted.
  // Negative positions lie in band -1.
  int BandAt(int device, int step) const;

 private:
  static int Rounded(int value, int multiplier, int divisor);
  int dpi_;
};

}  // namespace morvane::ui
