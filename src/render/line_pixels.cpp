#include "render/line_pixels.h"

namespace tenukiro {

LinePixels::LinePixels(Point a, Point b) : x0_(a.x), y0_(a.y) {
  const long long dx = static_cast<long long>(b.x) - a.x;
  const long long dy = static_cast<long long>(b.y) - a.y;
  xMajor_ = std::llabs(dx) >= std::llabs(dy);
  major_ = xMajor_ ? std::llabs(dx) : std::llabs(dy);
  minor_ = xMajor_ ? std::llabs(dy) : std::llabs(dx);
  majorSign_ = (xMajor_ ? dx : dy) < 0 ? -1 : 1;
  minorSign_ = (xMajor_ ? dy : dx) < 0 ? -1 : 1;
}

void LinePixels::StepRange(long long lo, long long hi, long long& first, long long& last) const {
  const long long start = xMajor_ ? x0_ : y0_;
  if (majorSign_ > 0) {
    first = lo - start;
    last = hi - start;
  } else {
    first = start - hi + 1;
    last = start - lo + 1;
  }
  first = std::max(first, 0LL);
  last = std::min(last, major_);
}

long long LinePixels::MinorOffset(long long step) const {
  using Wide = __int128;
  const Wide twice = Wide(2) * step * minor_ + major_ - 1;
  return static_cast<long long>(twice / (Wide(2) * major_));
}

}  // namespace tenukiro
