#include "render/raster.h"

namespace tenukiro {

Raster::Raster(int width, int height, Color fill) {
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return;
  width_ = width;
  height_ = height;
  pixels_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  for (std::size_t i = 0; i < pixels_.size(); i += 3) StorePixel(&pixels_[i], fill);
}

Color Raster::GetPixel(int x, int y) const {
  return Contains(x, y) ? LoadPixel(&pixels_[Offset(x, y)]) : kInvalidColor;
}

void Raster::SetPixel(int x, int y, Color c) {
  if (Contains(x, y)) StorePixel(&pixels_[Offset(x, y)], c);
}

}  // namespace tenukiro
