#pragma once

#include "render/canvas.h"
#include "render/raster.h"

namespace tenukiro {

// An off-screen 24-bit image with its own canvas. It stays where it was made: the canvas points at
// the raster, so the pair is neither copied nor moved.
class CellImage {
 public:
  CellImage(int width, int height, Color fill = 0);
  CellImage(const CellImage&) = delete;
  CellImage& operator=(const CellImage&) = delete;

  int width() const { return raster_.width(); }
  int height() const { return raster_.height(); }
  Raster& raster() { return raster_; }
  const Raster& raster() const { return raster_; }
  Canvas& canvas() { return canvas_; }

 private:
  Raster raster_;
  Canvas canvas_;
};

}  // namespace tenukiro
