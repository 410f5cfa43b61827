#pragma once

#include <span>

#include "render/clip_region.h"
#include "render/color.h"
#include "render/geometry.h"
#include "render/raster.h"
#include "render/span_shapes.h"

namespace tenukiro {

// A 1-pixel solid pen.
struct Pen {
  Color color = 0;
};

// A solid brush, or the null brush that leaves the inside of a shape alone.
struct Brush {
  Color color = 0;
  bool solid = true;
  static constexpr Brush Solid(Color c) { return Brush{c, true}; }
  static constexpr Brush Null() { return Brush{0, false}; }
};

// The three BitBlt raster operations the program uses: SRCCOPY, SRCPAINT and SRCAND.
enum class RasterOp { kCopy, kOr, kAnd };

// Draws on a Raster with GDI's integer semantics: lines leave out their end point, rectangles and
// bounding boxes are right/bottom exclusive, and everything clips to the raster and the clip region.
// Drawing objects are plain values passed to each call.
class Canvas {
 public:
  explicit Canvas(Raster& raster);

  Raster& raster() { return *raster_; }
  const Raster& raster() const { return *raster_; }
  int width() const { return raster_->width(); }
  int height() const { return raster_->height(); }

  // Like GDI, a pixel outside the clip region reads as kInvalidColor and is not written.
  Color GetPixel(int x, int y) const;
  void SetPixel(int x, int y, Color c);

  void ExcludeClipRect(const Rect& r);
  // Gives back an excluded rectangle (ExtSelectClipRgn with RGN_OR of that rectangle).
  void GiveBackClipRect(const Rect& r);
  void IntersectClipRect(const Rect& r);
  void ResetClip();
  const ClipRegion& clip() const { return clip_; }

  void FillRect(const Rect& r, Color c);
  // Rectangle of the client area grown by one pixel, pen and brush both c, as a screen clear draws it:
  // the outline lies outside the client area and the inside covers it exactly.
  void ClearRect(const Rect& client, Color c);
  void Rectangle(const Rect& box, Pen pen, Brush brush);
  void Ellipse(const Rect& box, Pen pen, Brush brush);
  void RoundRect(const Rect& box, int cornerW, int cornerH, Pen pen, Brush brush);
  // The outline of the ellipse in box, counter-clockwise from the ray through start to the ray
  // through end; equal rays give the whole ellipse.
  void Arc(const Rect& box, Point start, Point end, Pen pen);

  void MoveTo(Point p) { current_ = p; }
  Point CurrentPosition() const { return current_; }
  void LineTo(Point p, Pen pen);
  void Polyline(std::span<const Point> points, Pen pen);

  // Combines the size.width x size.height block of src at srcPos into this canvas at dst.
  // Source pixels outside src leave the destination alone; src may be this canvas' raster.
  void BitBlt(Point dst, Size size, const Raster& src, Point srcPos, RasterOp op = RasterOp::kCopy);
  // StretchBlt in HALFTONE mode: the srcRect part of src is area-averaged into dst.
  void StretchBlt(const Rect& dst, const Raster& src, const Rect& srcRect);

 private:
  void PaintSpan(int y, long long x0, long long x1, Color c);
  void DrawLine(Point a, Point b, Color c);
  // Fills a shape given row by row: pixels with a 4-neighbour outside the shape get the pen,
  // the others the brush.
  template <typename RowFn>
  void DrawShape(const Rect& box, RowFn&& rowAt, Pen pen, Brush brush);

  Raster* raster_;
  ClipRegion clip_;
  Point current_;
};

}  // namespace tenukiro
