#pragma once

#include <vector>

#include "render/board_layout.h"
#include "render/canvas.h"

namespace tenukiro {

// What the show draws around the board: the game information, the comment balloon and the
// assistant. The board drawing calls it at fixed moments of a full frame and of a redraw.
class BoardSurroundings {
 public:
  virtual ~BoardSurroundings() = default;

  // Full frame, right after the cell images are rebuilt: make its own images for the layout.
  virtual void Prepare(const BoardLayout& layout) = 0;
  // Full frame, after every point is drawn.
  virtual void DrawFullFrame(Canvas& canvas) = 0;
  // Whether the incremental redraw leaves this point to the surroundings (the assistant covers
  // it now or did before).
  virtual bool OwnsPoint(int x, int y) const = 0;
  // Incremental redraw, after the changed points: draws what changed and appends its rectangles.
  virtual void RedrawChanged(Canvas& canvas, std::vector<Rect>& changed) = 0;
  // The screen as drawn becomes the previous state.
  virtual void CommitDisplay() = 0;
};

}  // namespace tenukiro
