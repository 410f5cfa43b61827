#pragma once

#include <cstdint>
#include <vector>

#include "base/color.h"
#include "render/geometry.h"

namespace tenukiro {

// A 24-bit image stored top-down, three bytes per pixel in red, green, blue order.
// Every access is bounds-checked: reads outside give kInvalidColor, writes outside do nothing.
class Raster {
 public:
  // Larger images are refused (the raster stays empty) rather than allocated.
  static constexpr int kMaxSide = 16384;

  Raster() = default;
  Raster(int width, int height, Color fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }
  Rect Bounds() const { return Rect{0, 0, width_, height_}; }
  bool Contains(int x, int y) const { return x >= 0 && x < width_ && y >= 0 && y < height_; }

  Color GetPixel(int x, int y) const;
  void SetPixel(int x, int y, Color c);

  // Row access for the drawing code; y must be inside the raster.
  std::uint8_t* Row(int y) { return pixels_.data() + Offset(0, y); }
  const std::uint8_t* Row(int y) const { return pixels_.data() + Offset(0, y); }
  const std::uint8_t* data() const { return pixels_.data(); }
  int stride() const { return width_ * 3; }

 private:
  std::size_t Offset(int x, int y) const {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)) * 3;
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> pixels_;
};

// Reads and writes one pixel in the raster's byte layout.
inline Color LoadPixel(const std::uint8_t* p) { return Rgb(p[0], p[1], p[2]); }
inline void StorePixel(std::uint8_t* p, Color c) {
  p[0] = RedOf(c);
  p[1] = GreenOf(c);
  p[2] = BlueOf(c);
}

}  // namespace tenukiro
