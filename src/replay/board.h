#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "replay/point_word.h"

namespace tenukiro {

// How PlayMove treats a stone: a game move captures and may be suicide, a setup
// stone is simply placed and joined to its neighbours.
enum class MoveMode { kSetup = 0, kGame = 1 };

// The position being shown and the history of how it arose. Plain copyable data:
// a 21 x 21 grid of point words (column * 21 + row, playable points 1..size,
// the cells around them border), two per-point planes, one record per move and
// one chain record per move index. Chains are kept incrementally; a chain's
// LibertyWeight is 12 times its number of distinct liberties, so shared
// liberties never need deduplication and 12 means atari.
class Board {
 public:
  static constexpr int kGridSide = 21;
  static constexpr int kGridPoints = kGridSide * kGridSide;
  // Size plus one is clamped to this so that every neighbour stays in the grid.
  static constexpr int kMaxSizePlus1 = kGridSide - 1;
  static constexpr int kDefaultSizePlus1 = 20;
  // Moves occupy records 1..kMaxMoves; record 0 is never played.
  static constexpr int kMaxMoves = 999;
  static constexpr int kMoveRecords = 1001;
  // CaptureMoveOf's answer for a stone that was never captured.
  static constexpr int kNotCaptured = 1000;
  // Neighbour directions, in the order every neighbour loop uses.
  static constexpr int kLeft = 0, kUp = 1, kDown = 2, kRight = 3;

  // An empty 19 x 19 board.
  Board() { ResetBoard(kDefaultSizePlus1, kDefaultSizePlus1); }

  // Empties the board and its history and gives it a size. Both values are the
  // size plus one, clamped to 1..kMaxSizePlus1.
  void ResetBoard(int columnsPlus1, int rowsPlus1);

  // Re-derives the history from the stones standing on the grid: every stone
  // becomes a setup stone, numbered 1 up in column-major order. Call it after
  // writing stones with SetPointWord and before playing any further move.
  void RebuildChains();

  // Recomputes every point, chain, stone list and liberty count from the colours
  // on the grid and compares them with what the incremental updates left.
  // Returns an empty string when all agree, else a message that names the first
  // broken rule and where it broke.
  std::string CheckConsistency() const;

  // False only for a playable point that is not empty; no ko rule, and suicide
  // is left to PlayMove.
  bool IsLegalMove(int colour, int column, int row) const;

  // Records a move of colour (kBlack or kWhite) and returns its index. A point
  // off the board or already occupied is a pass, which still uses an index.
  // Returns 0 and records nothing when kMaxMoves moves are recorded already or
  // colour is not a stone colour.
  int PlayMove(int colour, int column, int row, MoveMode mode);

  // The move that captured the stone placed by move; a pass or suicide move
  // answers its own index; kNotCaptured while the stone stands, and for 0 or an
  // index that was not played.
  int CaptureMoveOf(int move) const;

  int ColumnsPlus1() const { return columnsPlus1_; }
  int RowsPlus1() const { return rowsPlus1_; }
  bool IsPlayable(int column, int row) const {
    return column >= 1 && column < columnsPlus1_ && row >= 1 && row < rowsPlus1_;
  }

  // Point readers take any coordinates: outside the 21 x 21 grid a point word
  // reads as border and the planes read 0.
  uint16_t PointWord(int column, int row) const {
    return OnGrid(column, row) ? grid_[Index(column, row)] : kPointBorder;
  }
  // Writes a point word of the grid; ignored outside it. A border cell keeps
  // its border bit and takes no stone or empty bit.
  void SetPointWord(int column, int row, uint16_t word);
  // Index of the move whose stone stands on the point, 0 when empty.
  int PlacementMove(int column, int row) const {
    return OnGrid(column, row) ? placement_[Index(column, row)] : 0;
  }
  // Index of the last stone taken off the point (or of a suicide played on it).
  int LastRemoved(int column, int row) const {
    return OnGrid(column, row) ? lastRemoved_[Index(column, row)] : 0;
  }
  // Chain representative of the stone on the point, 0 when there is none. The
  // representative is the placement move of one of the chain's stones: the
  // played stone's when a move joins chains of equal size, else the larger
  // chain's.
  int ChainAt(int column, int row) const {
    return OnGrid(column, row) ? ChainAtIndex(Index(column, row)) : 0;
  }

  int MoveCount() const { return moveCount_; }
  int SetupCount() const { return setupCount_; }

  // Move record readers; an index outside 0..1000 reads 0.
  int MoveColour(int move) const;
  int MoveColumn(int move) const;
  int MoveRow(int move) const;
  // The point's last-removed value when the move was played, linking the stones
  // ever played on a point backwards.
  int PreviousOccupant(int move) const;
  int ChainOfMove(int move) const;
  int NextStone(int move) const;
  // Minus the representative of a chain captured from that direction, the
  // representative of a friendly chain merged from it, or 0.
  int CaptureOrMergeEntry(int move, int direction) const;

  // Chain record readers, indexed by representative; 0 outside 0..1000.
  int LibertyWeight(int chain) const;
  int StoneCount(int chain) const;

 private:
  struct MoveRecord {
    int8_t colour;
    int8_t column;
    int8_t row;
    int16_t chain;
    int16_t nextStone;
    std::array<int16_t, 4> entries;
    int16_t previousOccupant;
  };
  struct ChainRecord {
    int16_t libertyWeight;
    int16_t stoneCount;
  };

  static int Index(int column, int row) { return column * kGridSide + row; }
  static bool OnGrid(int column, int row) {
    return column >= 0 && column < kGridSide && row >= 0 && row < kGridSide;
  }
  static bool ValidRecord(int index) { return index >= 0 && index < kMoveRecords; }

  void ClearHistory();
  void ResetMoveRecords();
  int PointOf(int move) const { return Index(moves_[move].column, moves_[move].row); }
  int ChainAtIndex(int point) const { return moves_[placement_[point]].chain; }
  int NeighboursInChain(int point, int chain) const;
  bool IsNextToChain(int point, int chain) const;
  bool IsSuicide(int colour, int point) const;
  void RecordPass(int move);
  void CommitSuicide(int colour, int point, int move);
  void CaptureAround(int colour, int point, int move);
  void RemoveChain(int chain, int colour);
  void PlaceStone(int colour, int point, int move);
  void ConnectNeighbours(int colour, int point, int move);
  int MergeChains(int chain, int played);
  int SharedLiberties(int walked, int other) const;

  int columnsPlus1_ = 0;
  int rowsPlus1_ = 0;
  int moveCount_ = 0;
  int setupCount_ = 0;
  std::array<uint16_t, kGridPoints> grid_{};
  std::array<int16_t, kGridPoints> placement_{};
  std::array<int16_t, kGridPoints> lastRemoved_{};
  std::array<MoveRecord, kMoveRecords> moves_{};
  std::array<ChainRecord, kMoveRecords> chains_{};
};

}  // namespace tenukiro
