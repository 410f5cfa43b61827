#include "render/display_grid.h"

#include <algorithm>

namespace tenukiro {
namespace {

bool IsBoardPoint(const Board& board, int x, int y) {
  return x >= 1 && y >= 1 && x < board.ColumnsPlus1() && y < board.RowsPlus1();
}

// A board point shows the stone of the move NumberedMoveAt names (with numbering as in books,
// perhaps one captured since) and that move's number.
void RefreshBoardPoint(PointDisplay& p, const ShownPosition& position, const SettingsRecord& settings, int x,
                       int y) {
  const uint16_t word = position.board.PointWord(x, y);
  const int v = position.player.NumberedMoveAt(x, y);
  p.flags = word;
  if (v > 0) {
    p.flags = static_cast<uint16_t>((word & ~(kPointEmpty | kStoneBits)) | position.board.MoveColour(v));
  }
  const int start = position.player.NumberingStart();
  p.numbered = settings.On(Numbering) && (p.flags & kStoneBits) != 0 && v >= start;
  p.number = p.numbered ? v - start + position.state.firstNumber : 0;
  p.label = position.state.LabelAt(x, y);
}

void RefreshPoint(PointDisplay& p, const ShownPosition& position, const SettingsRecord& settings, int x, int y) {
  if (IsBoardPoint(position.board, x, y)) {
    RefreshBoardPoint(p, position, settings, x, y);
    return;
  }
  p = PointDisplay{};
  p.flags = position.board.PointWord(x, y);
}

}  // namespace

PointBox ClampedView(const ViewRectangle& view) {
  constexpr int kLast = DisplayGrid::kSide - 1;
  return PointBox{std::clamp<int>(view.xmin, 0, kLast), std::clamp<int>(view.ymin, 0, kLast),
                  std::clamp<int>(view.xmax, 0, kLast), std::clamp<int>(view.ymax, 0, kLast)};
}

const PointDisplay& DisplayGrid::At(int x, int y) const {
  static const PointDisplay kOutside;
  if (x < 0 || y < 0 || x >= kSide || y >= kSide) return kOutside;
  return points_[x * kSide + y];
}

void RefreshDisplayGrid(DisplayGrid& grid, const ShownPosition& position, const SettingsRecord& settings) {
  grid = DisplayGrid{};
  const int lastX = std::min(position.board.ColumnsPlus1(), DisplayGrid::kSide - 1);
  const int lastY = std::min(position.board.RowsPlus1(), DisplayGrid::kSide - 1);
  for (int x = 0; x <= lastX; ++x) {
    for (int y = 0; y <= lastY; ++y) RefreshPoint(grid.At(x, y), position, settings, x, y);
  }
}

void UpdateDisplayGrid(DisplayGrid& grid, const ShownPosition& position, const SettingsRecord& settings) {
  const Board& board = position.board;
  grid.lastMove = Point{board.MoveColumn(board.MoveCount()), board.MoveRow(board.MoveCount())};
  const PointBox view = ClampedView(position.state.view);
  for (int x = view.x1; x <= view.x2; ++x) {
    for (int y = view.y1; y <= view.y2; ++y) RefreshPoint(grid.At(x, y), position, settings, x, y);
  }
}

}  // namespace tenukiro
