#include "ui/scale.h"

#include <cstdlib>

namespace morvane::ui {
namespace {

constexpr int kPointsPerInch = 72;

}  // namespace

int Scale::Rounded(int value, int multiplier, int divisor) {
  const long long product = static_cast<long long>(value) * multiplier;
  const long long half = divisor / 2;
  const long long magnitude = ((product < 0 ? -product : product) + half) / divisor;
  return static_cast<int>(product < 0 ? -magnitude : magnitude);
}

int Scale::FontHeight(int designHeight) const {
  if (IsDesign()) return designHeight;
  const int points = Rounded(std::abs(designHeight), kPointsPerInch, kDesignDpi);
  const int pixels = Rounded(points, dpi_, kPointsPerInch);
  return designHeight < 0 ? -pixels : pixels;
}

int Scale::BandAt(int device, int step) const {
  if (device < 0 || step <= 0) return -1;
  // In() lands on the band or next to it; the scaled edges decide.
  int band = In(device) / step;
  while (band > 0 && Out(band * step) > device) --band;
  while (Out((band + 1) * step) <= device) ++band;
  return band;
}

}  // namespace morvane::ui
