#include "render/board_renderer.h"

#include <utility>

namespace tenukiro {
BoardRenderer::BoardRenderer(const SettingsRecord& settings, PatternPaths patterns, SphereImageRenderer* sphere,
                             BoardSurroundings* surroundings)
    : settings_(settings), patterns_(std::move(patterns)), sphere_(sphere), surroundings_(surroundings) {}

void BoardRenderer::TakePosition(const ShownPosition& position) {
  nx_ = position.board.ColumnsPlus1() - 1;
  ny_ = position.board.RowsPlus1() - 1;
  view_ = ClampedView(position.state.view);
  lastMoveMarkSuppressed_ = position.state.lastMoveMarkSuppressed;
}

void BoardRenderer::RefreshDisplayGrid(const ShownPosition& position) {
  TakePosition(position);
  tenukiro::RefreshDisplayGrid(display_, position, settings_);
}

void BoardRenderer::CommitDisplay() {
  for (int x = view_.x1; x <= view_.x2; ++x) {
    for (int y = view_.y1; y <= view_.y2; ++y) previous_.At(x, y) = display_.At(x, y);
  }
  previous_.lastMove = display_.lastMove;
  if (surroundings_) surroundings_->CommitDisplay();
}

PaintContext BoardRenderer::Context() const {
  return PaintContext{layout_, settings_, display_, images_, nx_, ny_, lastMoveMarkSuppressed_};
}

void BoardRenderer::DrawPoint(Canvas& canvas, int x, int y) const { PointPainter(canvas, Context()).DrawPoint(x, y); }

void BoardRenderer::DrawFrameCell(Canvas& canvas, int x, int y) const {
  PointPainter(canvas, Context()).DrawFrameCell(x, y, view_);
}

void BoardRenderer::DrawFullFrame(Canvas& canvas) {
  images_ = BuildCellImages(settings_, layout_.R, patterns_, sphere_);
  if (surroundings_) surroundings_->Prepare(layout_);
  PointPainter painter(canvas, Context());
  for (int x = view_.x1; x <= view_.x2; ++x) {
    for (int y = view_.y1; y <= view_.y2; ++y) painter.DrawPoint(x, y);
  }
  if (surroundings_) surroundings_->DrawFullFrame(canvas);
}

// A full frame draws the points column by column, each over its cell plus one more
// column and row, so the last column and row of a point's area end up as its right,
// lower and lower-right neighbours draw them (the seam pixels between two points, for
// one). Redrawing a point alone, those neighbours draw their share again, clipped to it,
// so that the redraws of a game leave exactly the picture a full frame draws.
void BoardRenderer::DrawPointAlone(Canvas& canvas, PointPainter& painter, int x, int y) const {
  painter.DrawPoint(x, y);
  const Point c = layout_.PointCentre(x, y);
  const int side = layout_.D + 1;
  const auto redrawClipped = [&](int px, int py, const Rect& share) {
    if (!view_.Contains(px, py) || (surroundings_ && settings_.On(Assistant) && surroundings_->OwnsPoint(px, py))) {
      return;
    }
    canvas.IntersectClipRect(share);
    painter.DrawPoint(px, py);
    canvas.ResetClip();
  };
  redrawClipped(x + 1, y, RectAt(c.x + layout_.R, c.y - layout_.R, 1, side));
  redrawClipped(x, y + 1, RectAt(c.x - layout_.R, c.y + layout_.R, side, 1));
  redrawClipped(x + 1, y + 1, RectAt(c.x + layout_.R, c.y + layout_.R, 1, 1));
}

bool BoardRenderer::NeedsRedraw(int x, int y) const {
  const PointDisplay& now = display_.At(x, y);
  const PointDisplay& before = previous_.At(x, y);
  if (now.flags != before.flags) return true;
  if (settings_.On(MarksAndLabels) && (now.HasLabel() || before.HasLabel())) return true;
  if (settings_.On(Numbering) && (now.number != before.number || now.numbered != before.numbered)) return true;
  const Point p{x, y};
  return settings_.On(MarkOnLastMove) && (p == display_.lastMove || p == previous_.lastMove);
}

std::vector<Rect> BoardRenderer::RedrawChanged(Canvas& canvas, const ShownPosition& position) {
  TakePosition(position);
  UpdateDisplayGrid(display_, position, settings_);
  std::vector<Rect> changed;
  PointPainter painter(canvas, Context());
  const bool assistant = surroundings_ && settings_.On(Assistant);
  for (int x = view_.x1; x <= view_.x2; ++x) {
    for (int y = view_.y1; y <= view_.y2; ++y) {
      if (!NeedsRedraw(x, y) || (assistant && surroundings_->OwnsPoint(x, y))) continue;
      DrawPointAlone(canvas, painter, x, y);
      const Rect cell = Intersect(layout_.CellImageRect(x, y), canvas.raster().Bounds());
      if (!cell.IsEmpty()) changed.push_back(cell);
    }
  }
  if (surroundings_) surroundings_->RedrawChanged(canvas, changed);
  return changed;
}

}  // namespace tenukiro
