#pragma once

#include <cstdint>

#include "render/canvas.h"
#include "render/display_grid.h"

namespace tenukiro {

// The plus sign on the stone of the last move.
void DrawLastMoveMark(Canvas& canvas, Point c, int R, Color color);

// The record mark of the mark bits when exactly one is set (cross, triangle, square or circle; a
// centre pixel at R = 2). Any other combination draws nothing.
void DrawRecordMark(Canvas& canvas, Point c, int R, uint16_t marks, Color color);

// Which overlays are switched on, and whether this point is the marked last move.
struct OverlaySwitches {
  bool lastMoveMark = false;
  bool marksAndLabels = false;
  bool numbering = false;
};

// The one overlay a stone shows: the last-move mark, else its label, else its mark, else its
// number. Several marks on one point hide the number too.
void DrawStoneOverlay(Canvas& canvas, Point c, int R, const PointDisplay& point, const OverlaySwitches& on,
                      Color color);

// The label or mark of an empty point; returns whether the point carries one (it then hides the
// grid lines and the star point, even when a mark combination draws nothing).
bool DrawEmptyPointOverlay(Canvas& canvas, Point c, int R, const PointDisplay& point, bool marksAndLabels,
                           Color color);

}  // namespace tenukiro
