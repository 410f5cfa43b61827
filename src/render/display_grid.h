#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "render/geometry.h"
#include "replay/annotation_state.h"
#include "replay/board.h"
#include "replay/node_player.h"
#include "settings/settings_record.h"

namespace tenukiro {

// What one point shows: the board's point bits (stone, empty, coordinate cell, hidden, marks),
// the move number printed on its stone, and its label.
struct PointDisplay {
  uint16_t flags = 0;
  // A move number is kept in 32 bits: a large MN value plus the move index passes 16 bits.
  int32_t number = 0;
  // Whether the stone carries a number at all; a first number of 0 or below makes the number
  // alone ambiguous.
  bool numbered = false;
  PointLabel label;

  bool HasLabel() const { return label.length != 0; }
  // The label as drawn: its text up to the first NUL byte.
  std::string_view LabelText() const { return label.Text().substr(0, label.Text().find('\0')); }
  uint16_t Marks() const { return flags & kMarkBits; }
};

// A block of points, first and last column and row inclusive; empty when first > last.
struct PointBox {
  int x1 = 1;
  int y1 = 1;
  int x2 = 0;
  int y2 = 0;
  bool Contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
  bool IsEmpty() const { return x1 > x2 || y1 > y2; }
};

// The view rectangle cut to the grid, so that any stored view is safe to walk.
PointBox ClampedView(const ViewRectangle& view);

// What every point of the 21 x 21 grid shows, column after column, with the last-move point.
class DisplayGrid {
 public:
  static constexpr int kSide = Board::kGridSide;

  // Points outside the grid read as an empty record.
  const PointDisplay& At(int x, int y) const;
  // x and y must lie in 0..kSide - 1.
  PointDisplay& At(int x, int y) { return points_[x * kSide + y]; }

  // The point of the last move, (0, 0) for none.
  Point lastMove;

 private:
  std::array<PointDisplay, kSide * kSide> points_{};
};

// The position being shown, as the display reads it.
struct ShownPosition {
  const Board& board;
  const AnnotationState& state;
  const NodePlayer& player;
};

// Rebuilds the whole grid from the position, as at the start of a game; the last-move point is
// cleared.
void RefreshDisplayGrid(DisplayGrid& grid, const ShownPosition& position, const SettingsRecord& settings);

// Brings the points of the view up to date after a show step and takes the last-move point from
// the position.
void UpdateDisplayGrid(DisplayGrid& grid, const ShownPosition& position, const SettingsRecord& settings);

}  // namespace tenukiro
