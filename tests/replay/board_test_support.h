#pragma once

#include <array>
#include <string>
#include <vector>

#include "replay/board.h"

namespace tenukiro::testing {

// Sanitizer builds run the long randomized and corpus checks on a sample, so
// the suite stays within a minute or two there.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr int kSanitizerSampling = 4;
#else
inline constexpr int kSanitizerSampling = 1;
#endif

// A slow board that is obviously right: flood-fill captures, a move on an
// occupied point or off the board is a pass, and a group left without liberty
// after the captures is removed (suicide).
class ReferenceBoard {
 public:
  ReferenceBoard(int columns, int rows);

  // Returns the move index, or 0 when the move records are full.
  int Play(int colour, int column, int row);
  // Makes the standing stones setup stones 1..n in column-major order.
  void RebuildHistory();
  void SetStone(int column, int row, int colour);

  int Colour(int column, int row) const { return colour_[column][row]; }
  int Placement(int column, int row) const { return placement_[column][row]; }
  int LastRemoved(int column, int row) const { return lastRemoved_[column][row]; }
  int CaptureMove(int move) const { return captureMove_[move]; }
  int MoveCount() const { return moveCount_; }

 private:
  using Plane = std::array<std::array<int, Board::kGridSide>, Board::kGridSide>;
  bool OnBoard(int column, int row) const;
  std::vector<std::pair<int, int>> GroupAt(int column, int row) const;
  bool HasLiberty(const std::vector<std::pair<int, int>>& group) const;
  void RemoveIfDead(int column, int row, int move);

  int columns_;
  int rows_;
  int moveCount_ = 0;
  Plane colour_{};
  Plane placement_{};
  Plane lastRemoved_{};
  std::array<int, Board::kMoveRecords> captureMove_{};
};

// First difference between the two positions (colours, placement and
// last-removed planes, move count), or an empty string.
std::string ComparePositions(const Board& board, const ReferenceBoard& reference);
// First move whose CaptureMoveOf differs from the reference, or an empty string.
std::string CompareCaptureMoves(const Board& board, const ReferenceBoard& reference);

}  // namespace tenukiro::testing
