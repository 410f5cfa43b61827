#include <climits>
#include <vector>

#include "render/canvas.h"
#include "render/halftone.h"

namespace tenukiro {
namespace {

Color Combine(Color dst, Color src, RasterOp op) {
  switch (op) {
    case RasterOp::kOr:
      return dst | src;
    case RasterOp::kAnd:
      return dst & src;
    case RasterOp::kCopy:
      break;
  }
  return src;
}

}  // namespace

void Canvas::BitBlt(Point dst, Size size, const Raster& src, Point srcPos, RasterOp op) {
  // Destination pixels whose source lies inside src, then inside the clip box.
  const long long shiftX = static_cast<long long>(srcPos.x) - dst.x;
  const long long shiftY = static_cast<long long>(srcPos.y) - dst.y;
  const Rect block = Intersect(RectAt(dst.x, dst.y, std::max(size.width, 0), std::max(size.height, 0)),
                               clip_.box());
  const Rect source = Intersect(
      Rect{static_cast<int>(std::clamp<long long>(block.left + shiftX, INT_MIN, INT_MAX)),
           static_cast<int>(std::clamp<long long>(block.top + shiftY, INT_MIN, INT_MAX)),
           static_cast<int>(std::clamp<long long>(block.right + shiftX, INT_MIN, INT_MAX)),
           static_cast<int>(std::clamp<long long>(block.bottom + shiftY, INT_MIN, INT_MAX))},
      src.Bounds());
  if (block.IsEmpty() || source.IsEmpty()) return;
  // Copy the source block first so that a copy within one raster reads unchanged pixels.
  const int w = static_cast<int>(source.Width());
  std::vector<std::uint8_t> rows(static_cast<std::size_t>(w) * 3 * static_cast<std::size_t>(source.Height()));
  for (int y = source.top; y < source.bottom; ++y) {
    std::copy_n(src.Row(y) + source.left * 3, w * 3, rows.begin() + (y - source.top) * w * 3);
  }
  for (int y = source.top; y < source.bottom; ++y) {
    const int dy = static_cast<int>(y - shiftY);
    const std::uint8_t* from = rows.data() + static_cast<std::size_t>(y - source.top) * w * 3;
    const int left = static_cast<int>(source.left - shiftX);
    clip_.ForEachVisibleSpan(dy, left, left + w, [&](int a, int b) {
      std::uint8_t* to = raster_->Row(dy) + a * 3;
      for (int x = a; x < b; ++x, to += 3) {
        StorePixel(to, Combine(LoadPixel(to), LoadPixel(from + (x - left) * 3), op));
      }
    });
  }
}

void Canvas::StretchBlt(const Rect& dst, const Raster& src, const Rect& srcRect) {
  const HalftoneSampler sampler(src, srcRect, dst.Width(), dst.Height());
  if (dst.IsEmpty() || sampler.empty()) return;
  const Rect visible = Intersect(dst, clip_.box());
  for (int y = visible.top; y < visible.bottom; ++y) {
    clip_.ForEachVisibleSpan(y, visible.left, visible.right, [&](int a, int b) {
      std::uint8_t* to = raster_->Row(y) + a * 3;
      for (int x = a; x < b; ++x, to += 3) {
        StorePixel(to, sampler.At(static_cast<long long>(x) - dst.left, static_cast<long long>(y) - dst.top));
      }
    });
  }
}

}  // namespace tenukiro
