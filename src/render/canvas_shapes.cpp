#include <cmath>
#include <numbers>

#include "render/canvas.h"

namespace tenukiro {
namespace {

// The inside of a row of a shape, given the rows above and below: the pixels whose four neighbours
// all belong to the shape. The rest of the row is outline. An empty inside starts at row.left.
RowSpan InsideOf(const RowSpan& row, const RowSpan& above, const RowSpan& below) {
  const RowSpan inside{std::max({row.left + 1, above.left, below.left}),
                       std::min({row.right - 1, above.right, below.right})};
  if (above.IsEmpty() || below.IsEmpty() || inside.IsEmpty()) return RowSpan{row.left, row.left};
  return inside;
}

// The counter-clockwise angle of (x, y) around the origin, on screen (y grows downward).
double ScreenAngle(long long x, long long y) {
  return std::atan2(static_cast<double>(-y), static_cast<double>(x));
}

double Normalized(double angle) {
  const double turn = 2 * std::numbers::pi;
  angle = std::fmod(angle, turn);
  return angle < 0 ? angle + turn : angle;
}

}  // namespace

template <typename RowFn>
void Canvas::DrawShape(const Rect& box, RowFn&& rowAt, Pen pen, Brush brush) {
  const int top = std::max(box.top, clip_.box().top);
  const int bottom = std::min(box.bottom, clip_.box().bottom);
  RowSpan above = rowAt(top - 1LL);
  RowSpan row = rowAt(top);
  for (int y = top; y < bottom; ++y) {
    const RowSpan below = rowAt(y + 1LL);
    if (!row.IsEmpty()) {
      const RowSpan inside = InsideOf(row, above, below);
      PaintSpan(y, row.left, inside.left, pen.color);
      if (brush.solid) PaintSpan(y, inside.left, inside.right, brush.color);
      PaintSpan(y, inside.right, row.right, pen.color);
    }
    above = row;
    row = below;
  }
}

void Canvas::Rectangle(const Rect& box, Pen pen, Brush brush) {
  DrawShape(box, [&](long long y) { return RectRow(box, y); }, pen, brush);
}

void Canvas::Ellipse(const Rect& box, Pen pen, Brush brush) {
  DrawShape(box, [&](long long y) { return EllipseRow(box, y); }, pen, brush);
}

void Canvas::RoundRect(const Rect& box, int cornerW, int cornerH, Pen pen, Brush brush) {
  DrawShape(box, [&](long long y) { return RoundRectRow(box, cornerW, cornerH, y); }, pen, brush);
}

void Canvas::Arc(const Rect& box, Point start, Point end, Pen pen) {
  // Positions relative to the box centre, in half pixels.
  const long long sumX = static_cast<long long>(box.left) + box.right;
  const long long sumY = static_cast<long long>(box.top) + box.bottom;
  const double from = ScreenAngle(2LL * start.x - sumX, 2LL * start.y - sumY);
  double sweep = Normalized(ScreenAngle(2LL * end.x - sumX, 2LL * end.y - sumY) - from);
  if (sweep == 0) sweep = 2 * std::numbers::pi;
  auto onArc = [&](long long x, long long y) {
    return Normalized(ScreenAngle(2 * x + 1 - sumX, 2 * y + 1 - sumY) - from) <= sweep;
  };
  auto rowAt = [&](long long y) { return EllipseRow(box, y); };
  const int top = std::max(box.top, clip_.box().top);
  const int bottom = std::min(box.bottom, clip_.box().bottom);
  for (int y = top; y < bottom; ++y) {
    const RowSpan row = rowAt(y);
    if (row.IsEmpty()) continue;
    const RowSpan inside = InsideOf(row, rowAt(y - 1LL), rowAt(y + 1LL));
    const long long left = std::max<long long>(row.left, clip_.box().left);
    const long long right = std::min<long long>(row.right, clip_.box().right);
    for (long long x = left; x < right; ++x) {
      const bool outline = x < inside.left || x >= inside.right;
      if (outline && onArc(x, y)) SetPixel(static_cast<int>(x), y, pen.color);
    }
  }
}

}  // namespace tenukiro
