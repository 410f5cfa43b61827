#include "render/point_painter.h"

#include <string>

#include "render/cell_text.h"
#include "render/overlays.h"
#include "render/star_points.h"

namespace tenukiro {
namespace {

Color ColourOf(const SettingsRecord& settings, SettingId id) { return static_cast<Color>(settings.Effective(id)); }

// The coordinate of a cell around the board: the row number counted from the bottom on the left
// and right, the column letter (I skipped) above and below; none in the corners.
std::string CoordinateText(int x, int y, int nx, int ny) {
  const bool side = x == 0 || x == nx + 1;
  const bool edge = y == 0 || y == ny + 1;
  if (side && y >= 1 && y <= ny) return std::to_string(ny + 1 - y);
  if (edge && x >= 1 && x <= nx) return std::string(1, static_cast<char>(x <= 8 ? 'A' + x - 1 : 'A' + x));
  return {};
}

}  // namespace

PointPainter::PointPainter(Canvas& canvas, const PaintContext& context)
    : canvas_(canvas),
      ctx_(context),
      R_(context.layout.R),
      back_(ColourOf(context.settings, BackColor)),
      line_(ColourOf(context.settings, LineColor)),
      screen_(ColourOf(context.settings, ScreenBackgroundColor)),
      firstLine_(context.settings.On(Indices) ? 0 : 1),
      lastX_(context.settings.On(Indices) ? context.nx + 1 : context.nx),
      lastY_(context.settings.On(Indices) ? context.ny + 1 : context.ny) {}

void PointPainter::DrawPoint(int x, int y) {
  const uint16_t flags = ctx_.grid.At(x, y).flags;
  const Point c = ctx_.layout.PointCentre(x, y);
  if (flags & kPointHidden) {
    DrawHidden(x, y, c);
  } else if (flags & kPointBlack) {
    DrawStone(x, y, c, kBlack);
  } else if (flags & kPointWhite) {
    DrawStone(x, y, c, kWhite);
  } else if (flags & kPointEmpty) {
    DrawEmpty(x, y, c);
  } else if (flags & kPointBorder) {
    DrawCoordinate(x, y, c);
  }
}

void PointPainter::DrawCellBackground(Point c) {
  if (ctx_.images.emptyPoint) {
    const int side = ctx_.images.emptyPoint->width();
    canvas_.BitBlt(Point{c.x - R_, c.y - R_}, Size{side, side}, ctx_.images.emptyPoint->raster(), Point{});
  } else {
    canvas_.FillRect(RectAt(c.x - R_, c.y - R_, ctx_.layout.D, ctx_.layout.D), back_);
  }
}

void PointPainter::DrawEmpty(int x, int y, Point c) {
  DrawCellBackground(c);
  if (DrawEmptyPointOverlay(canvas_, c, R_, ctx_.grid.At(x, y), ctx_.settings.On(MarksAndLabels), line_)) return;
  if (ctx_.settings.On(Lines)) DrawGridLines(x, y, c);
  if (ctx_.settings.On(StarPoints) && IsStarPoint(x, y, ctx_.nx, ctx_.ny)) {
    const int t = ctx_.layout.t;
    canvas_.Ellipse(Rect{c.x - t, c.y - t, c.x + t + 1, c.y + t + 1}, Pen{line_}, Brush::Solid(line_));
  }
}

// Whether the neighbour's grid lines reach over to this point through the seam pixel between them.
bool PointPainter::JoinsLines(int x, int y) const {
  const PointDisplay& p = ctx_.grid.At(x, y);
  if (!(p.flags & kPointEmpty)) return false;
  return !ctx_.settings.On(MarksAndLabels) || (!p.HasLabel() && p.Marks() == 0);
}

void PointPainter::DrawGridLines(int x, int y, Point c) {
  const Pen pen{line_};
  canvas_.MoveTo(Point{x <= 1 ? c.x : c.x - (R_ - 1), c.y});
  canvas_.LineTo(Point{x >= ctx_.nx ? c.x : c.x + R_, c.y}, pen);
  canvas_.MoveTo(Point{c.x, y <= 1 ? c.y : c.y - (R_ - 1)});
  canvas_.LineTo(Point{c.x, y >= ctx_.ny ? c.y : c.y + R_}, pen);
  // Neither segment reaches the centre of the last point.
  if (x == ctx_.nx && y == ctx_.ny) canvas_.SetPixel(c.x, c.y, line_);
  if (JoinsLines(x - 1, y)) canvas_.SetPixel(c.x - R_, c.y, line_);
  if (JoinsLines(x, y - 1)) canvas_.SetPixel(c.x, c.y - R_, line_);
  if (JoinsLines(x + 1, y)) canvas_.SetPixel(c.x + R_, c.y, line_);
  if (JoinsLines(x, y + 1)) canvas_.SetPixel(c.x, c.y + R_, line_);
}

void PointPainter::DrawCoordinate(int x, int y, Point c) {
  DrawCellBackground(c);
  const std::string text = CoordinateText(x, y, ctx_.nx, ctx_.ny);
  if (!text.empty()) DrawCellText(canvas_, c, R_, text, line_);
}

void PointPainter::DrawStone(int x, int y, Point c, int colour) {
  const bool black = colour == kBlack;
  const std::unique_ptr<CellImage>& image = black ? ctx_.images.black : ctx_.images.white;
  const Color stone = ColourOf(ctx_.settings, black ? BlackColor : WhiteColor);
  if (image) {
    canvas_.BitBlt(Point{c.x - R_, c.y - R_}, Size{image->width(), image->height()}, image->raster(), Point{});
  } else {
    canvas_.FillRect(RectAt(c.x - R_, c.y - R_, ctx_.layout.D, ctx_.layout.D), back_);
    const Rect box{c.x - (R_ - 1), c.y - (R_ - 1), c.x + R_, c.y + R_};
    // An ellipse this small would not look round; the flat stone becomes a square.
    if (R_ - 1 < 2) {
      canvas_.Rectangle(box, Pen{line_}, Brush::Solid(stone));
    } else {
      canvas_.Ellipse(box, Pen{line_}, Brush::Solid(stone));
    }
  }
  const PointDisplay& point = ctx_.grid.At(x, y);
  const OverlaySwitches on{
      ctx_.settings.On(MarkOnLastMove) && !ctx_.lastMoveMarkSuppressed && ctx_.grid.lastMove == Point{x, y},
      ctx_.settings.On(MarksAndLabels), ctx_.settings.On(Numbering)};
  DrawStoneOverlay(canvas_, c, R_, point, on, ColourOf(ctx_.settings, black ? WhiteColor : BlackColor));
}

bool PointPainter::IsHidden(int x, int y) const { return (ctx_.grid.At(x, y).flags & kPointHidden) != 0; }

bool PointPainter::HiddenOrBeyond(int x, int y) const {
  return x < firstLine_ || x > lastX_ || y < firstLine_ || y > lastY_ || IsHidden(x, y);
}

// Seams toward hidden points and past the board's edge are filled, so that a hidden region is
// one solid area; seams toward visible points keep what those points drew.
void PointPainter::DrawHidden(int x, int y, Point c) {
  Seams s{};
  s.left = x <= firstLine_ || IsHidden(x - 1, y);
  s.top = y <= firstLine_ || IsHidden(x, y - 1);
  s.right = x >= lastX_ || IsHidden(x + 1, y);
  s.bottom = y >= lastY_ || IsHidden(x, y + 1);
  s.topLeft = HiddenOrBeyond(x - 1, y) && HiddenOrBeyond(x, y - 1) && HiddenOrBeyond(x - 1, y - 1);
  s.topRight = HiddenOrBeyond(x + 1, y) && HiddenOrBeyond(x, y - 1) && HiddenOrBeyond(x + 1, y - 1);
  s.bottomLeft = HiddenOrBeyond(x - 1, y) && HiddenOrBeyond(x, y + 1) && HiddenOrBeyond(x - 1, y + 1);
  s.bottomRight = HiddenOrBeyond(x + 1, y) && HiddenOrBeyond(x, y + 1) && HiddenOrBeyond(x + 1, y + 1);
  FillScreenCell(c, s);
}

void PointPainter::DrawFrameCell(int x, int y, const PointBox& view) {
  const auto outside = [&](int a, int b) { return !view.Contains(a, b); };
  Seams s{};
  s.left = outside(x - 1, y);
  s.top = outside(x, y - 1);
  s.right = outside(x + 1, y);
  s.bottom = outside(x, y + 1);
  s.topLeft = outside(x - 1, y) && outside(x, y - 1) && outside(x - 1, y - 1);
  s.topRight = outside(x + 1, y) && outside(x, y - 1) && outside(x + 1, y - 1);
  s.bottomLeft = outside(x - 1, y) && outside(x, y + 1) && outside(x - 1, y + 1);
  s.bottomRight = outside(x + 1, y) && outside(x, y + 1) && outside(x + 1, y + 1);
  FillScreenCell(ctx_.layout.PointCentre(x, y), s);
}

void PointPainter::FillScreenCell(Point c, const Seams& s) {
  const int r = R_ - 1;
  canvas_.FillRect(Rect{c.x - r, c.y - r, c.x + r + 1, c.y + r + 1}, screen_);
  if (s.left) canvas_.FillRect(Rect{c.x - R_, c.y - r, c.x - R_ + 1, c.y + r + 1}, screen_);
  if (s.right) canvas_.FillRect(Rect{c.x + R_, c.y - r, c.x + R_ + 1, c.y + r + 1}, screen_);
  if (s.top) canvas_.FillRect(Rect{c.x - r, c.y - R_, c.x + r + 1, c.y - R_ + 1}, screen_);
  if (s.bottom) canvas_.FillRect(Rect{c.x - r, c.y + R_, c.x + r + 1, c.y + R_ + 1}, screen_);
  if (s.topLeft) canvas_.SetPixel(c.x - R_, c.y - R_, screen_);
  if (s.topRight) canvas_.SetPixel(c.x + R_, c.y - R_, screen_);
  if (s.bottomLeft) canvas_.SetPixel(c.x - R_, c.y + R_, screen_);
  if (s.bottomRight) canvas_.SetPixel(c.x + R_, c.y + R_, screen_);
}

}  // namespace tenukiro
