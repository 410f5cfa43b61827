#include "render/overlays.h"

#include <array>
#include <string>

#include "render/cell_text.h"

namespace tenukiro {
namespace {

void Segment(Canvas& canvas, Point a, Point b, Color color) {
  canvas.MoveTo(a);
  canvas.LineTo(b, Pen{color});
}

void DrawCross(Canvas& canvas, Point c, int h, Color color) {
  Segment(canvas, {c.x - h, c.y - h}, {c.x + h + 1, c.y + h + 1}, color);
  Segment(canvas, {c.x - h, c.y + h}, {c.x + h + 1, c.y - h - 1}, color);
}

void DrawTriangle(Canvas& canvas, Point c, int r, Color color) {
  const std::array<Point, 4> outline = {Point{c.x, c.y - 3 * r / 4}, Point{c.x + 51 * r / 80, c.y + 3 * r / 8},
                                        Point{c.x - 51 * r / 80, c.y + 3 * r / 8}, Point{c.x, c.y - 3 * r / 4}};
  canvas.Polyline(outline, Pen{color});
}

Rect MarkSquare(Point c, int h) { return Rect{c.x - h, c.y - h, c.x + h + 1, c.y + h + 1}; }

bool IsSingleMark(uint16_t marks) { return marks == kMarkMA || marks == kMarkTR || marks == kMarkSQ || marks == kMarkCR; }

}  // namespace

void DrawLastMoveMark(Canvas& canvas, Point c, int R, Color color) {
  const int h = (R - 1) / 2;
  Segment(canvas, {c.x - h, c.y}, c, color);
  Segment(canvas, {c.x + h, c.y}, c, color);
  Segment(canvas, {c.x, c.y - h}, {c.x, c.y + h + 1}, color);
}

void DrawRecordMark(Canvas& canvas, Point c, int R, uint16_t marks, Color color) {
  if (!IsSingleMark(marks)) return;
  const int r = R - 1;
  const int h = r / 2;
  if (r < 2) {
    canvas.SetPixel(c.x, c.y, color);
    return;
  }
  switch (marks) {
    case kMarkMA:
      DrawCross(canvas, c, h, color);
      break;
    case kMarkTR:
      DrawTriangle(canvas, c, r, color);
      break;
    case kMarkSQ:
      canvas.Rectangle(MarkSquare(c, h), Pen{color}, Brush::Null());
      break;
    default: {
      const Point top{c.x, c.y - h};
      canvas.Arc(MarkSquare(c, h), top, top, Pen{color});
      break;
    }
  }
}

void DrawStoneOverlay(Canvas& canvas, Point c, int R, const PointDisplay& point, const OverlaySwitches& on,
                      Color color) {
  if (on.lastMoveMark) {
    DrawLastMoveMark(canvas, c, R, color);
  } else if (on.marksAndLabels && point.HasLabel()) {
    DrawCellText(canvas, c, R, point.LabelText(), color);
  } else if (on.marksAndLabels && point.Marks() != 0) {
    DrawRecordMark(canvas, c, R, point.Marks(), color);
  } else if (on.numbering && point.numbered) {
    DrawCellText(canvas, c, R, std::to_string(point.number), color);
  }
}

bool DrawEmptyPointOverlay(Canvas& canvas, Point c, int R, const PointDisplay& point, bool marksAndLabels,
                           Color color) {
  if (!marksAndLabels) return false;
  if (point.HasLabel()) {
    DrawCellText(canvas, c, R, point.LabelText(), color);
    return true;
  }
  if (point.Marks() == 0) return false;
  DrawRecordMark(canvas, c, R, point.Marks(), color);
  return true;
}

}  // namespace tenukiro
