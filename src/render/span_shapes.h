#pragma once

#include "render/geometry.h"

namespace tenukiro {

// The pixels of one row of a convex shape: [left, right), empty when right <= left.
// 64-bit because shapes may be far larger than any raster.
struct RowSpan {
  long long left = 0;
  long long right = 0;
  bool IsEmpty() const { return right <= left; }
};

// Row y of the ellipse inscribed in box (right/bottom exclusive): the pixels whose centres lie
// inside or on the ellipse through the box's outer edges. A 3 x 3 box gives a full 3 x 3 square.
RowSpan EllipseRow(const Rect& box, long long y);

// Row y of a rectangle whose corners are rounded by quarters of an ellipse cornerW x cornerH.
RowSpan RoundRectRow(const Rect& box, int cornerW, int cornerH, long long y);

// Row y of a plain rectangle.
RowSpan RectRow(const Rect& box, long long y);

}  // namespace tenukiro
