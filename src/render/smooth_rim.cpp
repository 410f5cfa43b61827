#include "render/smooth_rim.h"

#include <algorithm>

namespace tenukiro {
namespace {

// Three passes of the same weighted average pull the ring further toward the background.
std::uint8_t Blend(long long ref, long long c, long long towardRef, long long towardPixel) {
  const long long total = towardRef + towardPixel;
  for (int pass = 0; pass < 3; ++pass) c = (towardRef * ref + towardPixel * c) / total;
  return static_cast<std::uint8_t>(c);
}

}  // namespace

void SmoothRim(Raster& image) {
  const int n = std::min(image.width(), image.height());
  if (n == 0) return;
  const Color ref = image.GetPixel(0, 0);
  const long long b = n / 2;
  const long long inner = (b - 1) * (b - 1);
  const long long outer = (b + 1) * (b + 1);
  for (int y = 0; y < n; ++y) {
    std::uint8_t* p = image.Row(y);
    for (int x = 0; x < n; ++x, p += 3) {
      const long long d = (x - b) * (x - b) + (y - b) * (y - b);
      if (d <= inner || d >= outer) continue;
      StorePixel(p, Rgb(Blend(RedOf(ref), p[0], d - inner, outer - d), Blend(GreenOf(ref), p[1], d - inner, outer - d),
                        Blend(BlueOf(ref), p[2], d - inner, outer - d)));
    }
  }
}

}  // namespace tenukiro
