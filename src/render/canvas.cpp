#include "render/canvas.h"

#include <cstring>

#include "render/line_pixels.h"

namespace tenukiro {

Canvas::Canvas(Raster& raster) : raster_(&raster), clip_(raster.Bounds()) {}

Color Canvas::GetPixel(int x, int y) const {
  return clip_.Contains(x, y) ? raster_->GetPixel(x, y) : kInvalidColor;
}

void Canvas::SetPixel(int x, int y, Color c) {
  if (clip_.Contains(x, y)) raster_->SetPixel(x, y, c);
}

void Canvas::ExcludeClipRect(const Rect& r) { clip_.Exclude(r); }

void Canvas::GiveBackClipRect(const Rect& r) { clip_.GiveBack(r); }

void Canvas::IntersectClipRect(const Rect& r) { clip_.Intersect(r); }

void Canvas::ResetClip() { clip_.Reset(raster_->Bounds()); }

void Canvas::SetClip(const ClipRegion& region) {
  clip_ = region;
  clip_.Intersect(raster_->Bounds());
}

void Canvas::PaintSpan(int y, long long x0, long long x1, Color c) {
  const int from = static_cast<int>(std::max<long long>(x0, clip_.box().left));
  const int to = static_cast<int>(std::min<long long>(x1, clip_.box().right));
  clip_.ForEachVisibleSpan(y, from, to, [&](int a, int b) {
    // One pixel, then the filled part doubled until the span is full.
    std::uint8_t* p = raster_->Row(y) + static_cast<std::ptrdiff_t>(a) * 3;
    const std::size_t total = static_cast<std::size_t>(b - a) * 3;
    StorePixel(p, c);
    for (std::size_t done = 3; done < total; done *= 2) std::memcpy(p + done, p, std::min(done, total - done));
  });
}

void Canvas::FillRect(const Rect& r, Color c) {
  const Rect visible = Intersect(r, clip_.box());
  for (int y = visible.top; y < visible.bottom; ++y) PaintSpan(y, visible.left, visible.right, c);
}

void Canvas::ClearRect(const Rect& client, Color c) { FillRect(Inflate(client, 1), c); }

void Canvas::DrawLine(Point a, Point b, Color c) {
  LinePixels(a, b).ForEachVisible(clip_.box(), [&](int x, int y) { SetPixel(x, y, c); });
}

void Canvas::LineTo(Point p, Pen pen) {
  DrawLine(current_, p, pen.color);
  current_ = p;
}

void Canvas::Polyline(std::span<const Point> points, Pen pen) {
  for (std::size_t i = 1; i < points.size(); ++i) DrawLine(points[i - 1], points[i], pen.color);
}

}  // namespace tenukiro
