#pragma once

#include "render/board_layout.h"
#include "render/canvas.h"
#include "render/cell_images.h"
#include "render/display_grid.h"
#include "settings/settings_record.h"

namespace tenukiro {

// Everything one point's drawing reads.
struct PaintContext {
  const BoardLayout& layout;
  const SettingsRecord& settings;
  const DisplayGrid& grid;
  const CellImages& images;
  int nx;  // columns and rows of the board
  int ny;
  bool lastMoveMarkSuppressed;
};

// Draws single points of the board into their cells.
class PointPainter {
 public:
  PointPainter(Canvas& canvas, const PaintContext& context);

  // Draws the point by the first of its flags found in the order hidden, black, white, empty,
  // coordinate cell; a point with none of them is left alone.
  void DrawPoint(int x, int y);
  // A point just outside the view: screen background, with the seams and corners toward the
  // view left alone.
  void DrawFrameCell(int x, int y, const PointBox& view);

 private:
  void DrawCellBackground(Point c);
  void DrawEmpty(int x, int y, Point c);
  void DrawGridLines(int x, int y, Point c);
  void DrawCoordinate(int x, int y, Point c);
  void DrawHidden(int x, int y, Point c);
  void DrawStone(int x, int y, Point c, int colour);
  bool JoinsLines(int x, int y) const;
  bool IsHidden(int x, int y) const;
  bool HiddenOrBeyond(int x, int y) const;
  // Fills the inner square of a cell and, where asked, its seams and corners.
  struct Seams {
    bool left, top, right, bottom;
    bool topLeft, topRight, bottomLeft, bottomRight;
  };
  void FillScreenCell(Point c, const Seams& seams);

  Canvas& canvas_;
  PaintContext ctx_;
  int R_;
  Color back_;
  Color line_;
  Color screen_;
  int firstLine_;
  int lastX_;
  int lastY_;
};

}  // namespace tenukiro
