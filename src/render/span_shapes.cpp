#include "render/span_shapes.h"

#include <cmath>

namespace tenukiro {
namespace {

using Wide = unsigned __int128;

constexpr long long kExactLimit = 1LL << 31;

// The largest X >= 0 with X^2 h^2 <= rhs, where rhs = w^2 (h^2 - Y^2), computed exactly.
long long ExactHalfWidth(long long w, long long h, long long absY) {
  const Wide rhs = Wide(w) * Wide(w) * (Wide(h) * Wide(h) - Wide(absY) * Wide(absY));
  const Wide hh = Wide(h) * Wide(h);
  auto fits = [&](long long x) { return Wide(x) * Wide(x) * hh <= rhs; };
  long long x = static_cast<long long>(std::sqrt(static_cast<long double>(rhs)) / h);
  while (x > 0 && !fits(x)) --x;
  while (fits(x + 1)) ++x;
  return x;
}

long long ApproxHalfWidth(long long w, long long h, long long absY) {
  const long double ratio = static_cast<long double>(absY) / h;
  return static_cast<long long>(w * std::sqrt(std::max<long double>(0, 1 - ratio * ratio)));
}

}  // namespace

RowSpan RectRow(const Rect& box, long long y) {
  if (box.IsEmpty() || y < box.top || y >= box.bottom) return {};
  return {box.left, box.right};
}

// Works in half-pixel units relative to the box centre: a pixel centre x lies at X = 2x + 1 - (l + r),
// so X has the parity of w - 1 and the ellipse is X^2 h^2 + Y^2 w^2 <= w^2 h^2.
RowSpan EllipseRow(const Rect& box, long long y) {
  if (box.IsEmpty() || y < box.top || y >= box.bottom) return {};
  const long long w = box.Width();
  const long long h = box.Height();
  const long long absY = std::llabs(2 * y + 1 - (static_cast<long long>(box.top) + box.bottom));
  long long x = (w < kExactLimit && h < kExactLimit) ? ExactHalfWidth(w, h, absY)
                                                      : ApproxHalfWidth(w, h, absY);
  if ((x - (w - 1)) % 2 != 0) --x;
  if (x < 0) return {};
  return {box.left + (w - 1 - x) / 2, box.left + (w - 1 + x) / 2 + 1};
}

RowSpan RoundRectRow(const Rect& box, int cornerW, int cornerH, long long y) {
  if (box.IsEmpty() || y < box.top || y >= box.bottom) return {};
  const long long ew = std::clamp<long long>(cornerW, 0, box.Width());
  const long long eh = std::clamp<long long>(cornerH, 0, box.Height());
  const long long row = std::min(y - box.top, box.bottom - 1 - y);
  if (ew < 2 || eh < 2 || row >= eh / 2) return {box.left, box.right};
  const RowSpan corner = EllipseRow(Rect{0, 0, static_cast<int>(ew), static_cast<int>(eh)}, row);
  return {box.left + corner.left, box.right - (ew - corner.right)};
}

}  // namespace tenukiro
