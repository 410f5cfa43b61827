#pragma once

#include <algorithm>
#include <cstdlib>

#include "render/geometry.h"

namespace tenukiro {

// The pixels of a line from a to b as Bresenham draws it, leaving out b (as GDI's LineTo does).
// Along the major axis step i sits at round(i * minor / major), halves rounded toward a.
// Only the steps that fall inside `visible` are visited, so any coordinates are cheap.
class LinePixels {
 public:
  LinePixels(Point a, Point b);

  template <typename Fn>
  void ForEachVisible(const Rect& visible, Fn&& fn) const;

 private:
  // The range of steps whose major coordinate lies in [lo, hi).
  void StepRange(long long lo, long long hi, long long& first, long long& last) const;
  long long MinorOffset(long long step) const;

  long long x0_, y0_;
  long long major_, minor_;
  int majorSign_, minorSign_;
  bool xMajor_;
};

template <typename Fn>
void LinePixels::ForEachVisible(const Rect& visible, Fn&& fn) const {
  if (major_ == 0 || visible.IsEmpty()) return;
  long long first = 0, last = 0;
  if (xMajor_) {
    StepRange(visible.left, visible.right, first, last);
  } else {
    StepRange(visible.top, visible.bottom, first, last);
  }
  for (long long i = first; i < last; ++i) {
    const long long along = majorSign_ * i;
    const long long across = minorSign_ * MinorOffset(i);
    const long long x = x0_ + (xMajor_ ? along : across);
    const long long y = y0_ + (xMajor_ ? across : along);
    if (y >= visible.top && y < visible.bottom && x >= visible.left && x < visible.right) {
      fn(static_cast<int>(x), static_cast<int>(y));
    }
  }
}

}  // namespace tenukiro
