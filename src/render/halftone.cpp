#include "render/halftone.h"

#include "render/canvas.h"

namespace tenukiro {
namespace {

// Walks the source pixels under destination pixel i of an axis that maps n source pixels onto m
// destination pixels. Positions are in units of 1/m source pixel, so every weight is an integer and
// the weights of one destination pixel add up to n.
template <typename Fn>
void ForEachTap(long long i, long long n, long long m, Fn&& fn) {
  const long long lo = i * n;
  const long long hi = lo + n;
  for (long long j = lo / m; j * m < hi; ++j) {
    const long long weight = std::min(hi, (j + 1) * m) - std::max(lo, j * m);
    if (weight > 0) fn(j, weight);
  }
}

}  // namespace

HalftoneSampler::HalftoneSampler(const Raster& src, const Rect& srcRect, long long dstWidth,
                                 long long dstHeight)
    : src_(src), area_(Intersect(srcRect, src.Bounds())), dstWidth_(dstWidth), dstHeight_(dstHeight) {}

Color HalftoneSampler::At(long long x, long long y) const {
  const long long n = area_.Width();
  const long long m = area_.Height();
  unsigned long long sum[3] = {0, 0, 0};
  ForEachTap(y, m, dstHeight_, [&](long long row, long long wy) {
    const std::uint8_t* line = src_.Row(area_.top + static_cast<int>(row));
    ForEachTap(x, n, dstWidth_, [&](long long col, long long wx) {
      const std::uint8_t* p = line + (area_.left + col) * 3;
      const auto w = static_cast<unsigned long long>(wx * wy);
      for (int c = 0; c < 3; ++c) sum[c] += p[c] * w;
    });
  });
  const auto total = static_cast<unsigned long long>(n * m);
  auto channel = [&](int c) { return static_cast<std::uint8_t>((sum[c] + total / 2) / total); };
  return Rgb(channel(0), channel(1), channel(2));
}

Raster HalftoneResize(const Raster& src, int width, int height) {
  Raster out(width, height);
  Canvas canvas(out);
  canvas.StretchBlt(out.Bounds(), src, src.Bounds());
  return out;
}

}  // namespace tenukiro
