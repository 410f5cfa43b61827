#pragma once

#include <vector>

#include "render/board_layout.h"
#include "render/board_surroundings.h"
#include "render/canvas.h"
#include "render/cell_images.h"
#include "render/display_grid.h"
#include "render/point_painter.h"
#include "render/sphere_image_renderer.h"
#include "settings/settings_record.h"

namespace tenukiro {

// The board drawing state of one show: the layout, what each point shows now and what is on the
// screen, and the three cell images. It draws on whatever canvas a call is given.
class BoardRenderer {
 public:
  // settings, the sphere renderer (may be null) and surroundings (may be null) must outlive it.
  explicit BoardRenderer(const SettingsRecord& settings, PatternPaths patterns = {},
                         SphereImageRenderer* sphere = nullptr, BoardSurroundings* surroundings = nullptr);

  void SetLayout(const BoardLayout& layout) { layout_ = layout; }
  void SetSurroundings(BoardSurroundings* surroundings) { surroundings_ = surroundings; }
  const BoardLayout& Layout() const { return layout_; }

  // The whole display from the position, as at the start of a game.
  void RefreshDisplayGrid(const ShownPosition& position);
  // What is shown now becomes what is on the screen; call before the position changes.
  void CommitDisplay();

  // The whole picture, on a client area already cleared to the screen background.
  void DrawFullFrame(Canvas& canvas);
  // After a show step: redraws the points whose look changed; returns the rectangles changed.
  std::vector<Rect> RedrawChanged(Canvas& canvas, const ShownPosition& position);

  void DrawPoint(Canvas& canvas, int x, int y) const;
  void DrawFrameCell(Canvas& canvas, int x, int y) const;

  const DisplayGrid& Display() const { return display_; }
  const CellImages& Images() const { return images_; }
  PointBox View() const { return view_; }

 private:
  void TakePosition(const ShownPosition& position);
  bool NeedsRedraw(int x, int y) const;
  void DrawPointAlone(Canvas& canvas, PointPainter& painter, int x, int y) const;
  PaintContext Context() const;

  const SettingsRecord& settings_;
  PatternPaths patterns_;
  SphereImageRenderer* sphere_;
  BoardSurroundings* surroundings_;
  BoardLayout layout_;
  DisplayGrid display_;
  DisplayGrid previous_;
  CellImages images_;
  PointBox view_;
  int nx_ = 19;
  int ny_ = 19;
  bool lastMoveMarkSuppressed_ = false;
};

}  // namespace tenukiro
