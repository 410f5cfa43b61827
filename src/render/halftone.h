#pragma once

#include "render/raster.h"

namespace tenukiro {

// Area-averaging resampler (StretchBlt in HALFTONE mode): every destination pixel is the average of
// the source area it covers, each source pixel weighted by the exact fraction it contributes.
class HalftoneSampler {
 public:
  // Maps srcRect (clipped to src) onto a destination of dstWidth x dstHeight pixels.
  HalftoneSampler(const Raster& src, const Rect& srcRect, long long dstWidth, long long dstHeight);

  bool empty() const { return area_.IsEmpty() || dstWidth_ <= 0 || dstHeight_ <= 0; }
  // The colour of destination pixel (x, y), 0 <= x < dstWidth, 0 <= y < dstHeight.
  Color At(long long x, long long y) const;

 private:
  const Raster& src_;
  Rect area_;
  long long dstWidth_;
  long long dstHeight_;
};

// A copy of src resized to width x height by area averaging; empty when either size is not positive.
Raster HalftoneResize(const Raster& src, int width, int height);

}  // namespace tenukiro
