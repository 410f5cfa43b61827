#include "replay/board_test_support.h"

#include <utility>

namespace tenukiro::testing {
namespace {

using Point = std::pair<int, int>;

constexpr std::array<Point, 4> kSteps = {{{-1, 0}, {0, -1}, {0, 1}, {1, 0}}};

int ColourOfWord(uint16_t word) {
  if (word & kPointBlack) return kBlack;
  if (word & kPointWhite) return kWhite;
  return 0;
}

std::string At(int column, int row) {
  return "(" + std::to_string(column) + "," + std::to_string(row) + ")";
}

using PointFlags = std::array<std::array<bool, Board::kGridSide>, Board::kGridSide>;

}  // namespace

ReferenceBoard::ReferenceBoard(int columns, int rows) : columns_(columns), rows_(rows) {
  captureMove_.fill(Board::kNotCaptured);
}

bool ReferenceBoard::OnBoard(int column, int row) const {
  return column >= 1 && column <= columns_ && row >= 1 && row <= rows_;
}

std::vector<Point> ReferenceBoard::GroupAt(int column, int row) const {
  const int colour = colour_[column][row];
  PointFlags inGroup{};
  inGroup[column][row] = true;
  std::vector<Point> group = {{column, row}};
  for (size_t i = 0; i < group.size(); ++i) {
    for (const Point& step : kSteps) {
      const Point n = {group[i].first + step.first, group[i].second + step.second};
      if (OnBoard(n.first, n.second) && colour_[n.first][n.second] == colour && !inGroup[n.first][n.second]) {
        inGroup[n.first][n.second] = true;
        group.push_back(n);
      }
    }
  }
  return group;
}

bool ReferenceBoard::HasLiberty(const std::vector<Point>& group) const {
  for (const Point& p : group) {
    for (const Point& step : kSteps) {
      const int c = p.first + step.first;
      const int r = p.second + step.second;
      if (OnBoard(c, r) && colour_[c][r] == 0) return true;
    }
  }
  return false;
}

void ReferenceBoard::RemoveIfDead(int column, int row, int move) {
  if (colour_[column][row] == 0) return;
  const std::vector<Point> group = GroupAt(column, row);
  if (HasLiberty(group)) return;
  for (const auto& [c, r] : group) {
    captureMove_[placement_[c][r]] = move;
    lastRemoved_[c][r] = placement_[c][r];
    placement_[c][r] = 0;
    colour_[c][r] = 0;
  }
}

int ReferenceBoard::Play(int colour, int column, int row) {
  if (moveCount_ >= Board::kMaxMoves) return 0;
  const int move = ++moveCount_;
  if (!OnBoard(column, row) || colour_[column][row] != 0) {
    captureMove_[move] = move;
    return move;
  }
  colour_[column][row] = colour;
  placement_[column][row] = move;
  for (const Point& step : kSteps) {
    const int c = column + step.first;
    const int r = row + step.second;
    if (OnBoard(c, r) && colour_[c][r] == 6 - colour) RemoveIfDead(c, r, move);
  }
  RemoveIfDead(column, row, move);
  return move;
}

void ReferenceBoard::SetStone(int column, int row, int colour) {
  if (OnBoard(column, row)) colour_[column][row] = colour;
}

void ReferenceBoard::RebuildHistory() {
  moveCount_ = 0;
  captureMove_.fill(Board::kNotCaptured);
  for (int column = 0; column < Board::kGridSide; ++column) {
    for (int row = 0; row < Board::kGridSide; ++row) {
      lastRemoved_[column][row] = 0;
      placement_[column][row] = colour_[column][row] != 0 ? ++moveCount_ : 0;
    }
  }
}

std::string ComparePositions(const Board& board, const ReferenceBoard& reference) {
  if (board.MoveCount() != reference.MoveCount()) return "move counts differ";
  for (int column = 1; column < board.ColumnsPlus1(); ++column) {
    for (int row = 1; row < board.RowsPlus1(); ++row) {
      if (ColourOfWord(board.PointWord(column, row)) != reference.Colour(column, row)) return "colour differs at " + At(column, row);
      if (board.PlacementMove(column, row) != reference.Placement(column, row)) return "placement differs at " + At(column, row);
      if (board.LastRemoved(column, row) != reference.LastRemoved(column, row)) return "last removed differs at " + At(column, row);
    }
  }
  return "";
}

std::string CompareCaptureMoves(const Board& board, const ReferenceBoard& reference) {
  for (int move = 1; move <= board.MoveCount(); ++move) {
    if (board.CaptureMoveOf(move) != reference.CaptureMove(move)) {
      return "CaptureMoveOf(" + std::to_string(move) + ") is " + std::to_string(board.CaptureMoveOf(move)) +
             ", reference " + std::to_string(reference.CaptureMove(move));
    }
  }
  return "";
}

}  // namespace tenukiro::testing
