#include "render/geometry.h"

#include <climits>

namespace tenukiro {
namespace {

int Saturate(long long v) {
  return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

}  // namespace

Rect Inflate(const Rect& r, int d) {
  return Rect{Saturate(static_cast<long long>(r.left) - d), Saturate(static_cast<long long>(r.top) - d),
              Saturate(static_cast<long long>(r.right) + d),
              Saturate(static_cast<long long>(r.bottom) + d)};
}

Rect RectAt(int x, int y, int width, int height) {
  return Rect{x, y, Saturate(static_cast<long long>(x) + width),
              Saturate(static_cast<long long>(y) + height)};
}

}  // namespace tenukiro
