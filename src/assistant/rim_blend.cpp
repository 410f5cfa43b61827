#include "assistant/rim_blend.h"

#include <cstdint>

namespace tenukiro {
namespace {

// Three times over, the weighted mean of source and destination: the cube of the weight keeps
// the fade narrow.
std::uint8_t Fade(std::uint64_t s, std::uint64_t t, std::uint64_t towardSource, std::uint64_t towardOwn) {
  const std::uint64_t total = towardSource + towardOwn;
  for (int pass = 0; pass < 3; ++pass) t = (s * towardSource + t * towardOwn) / total;
  return static_cast<std::uint8_t>(t);
}

}  // namespace

void RimBlend(Canvas& dst, Point dstAt, const Canvas& src, Point srcAt, Size size) {
  // Images larger than a raster never reach here; the bound keeps every product in 64 bits.
  if (size.width <= 0 || size.height <= 0 || size.width > Raster::kMaxSide || size.height > Raster::kMaxSide) return;
  const std::int64_t gx = size.width / 2;
  const std::int64_t gy = size.height / 2;
  const std::int64_t p = gy - 1;
  const std::int64_t q = gx + 1;
  const std::int64_t inner = p * p * (gx - 1) * (gx - 1);
  const std::int64_t outer = (gy + 1) * (gy + 1) * q * q;
  for (int j = 0; j < size.height; ++j) {
    for (int i = 0; i < size.width; ++i) {
      const std::int64_t d = (i - gx) * (i - gx) * p * p + (j - gy) * (j - gy) * q * q;
      if (d <= inner || d >= outer) continue;
      const Color s = src.GetPixel(srcAt.x + i, srcAt.y + j);
      const Color t = dst.GetPixel(dstAt.x + i, dstAt.y + j);
      const auto toward = static_cast<std::uint64_t>(d - inner);
      const auto own = static_cast<std::uint64_t>(outer - d);
      dst.SetPixel(dstAt.x + i, dstAt.y + j,
                   Rgb(Fade(RedOf(s), RedOf(t), toward, own), Fade(GreenOf(s), GreenOf(t), toward, own),
                       Fade(BlueOf(s), BlueOf(t), toward, own)));
    }
  }
}

}  // namespace tenukiro
