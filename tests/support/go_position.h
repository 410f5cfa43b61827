#pragma once

#include <cstdint>
#include <utility>
#include <vector>

namespace tenukiro::testing {

// A position of a game that keeps the rules: no stone on an occupied point, no
// suicide, no immediate retaking of a single-stone ko. Points are 1-based
// (column, row); colours 2 (black) and 4 (white), as everywhere in the program.
class GoPosition {
 public:
  using Point = std::pair<int, int>;

  GoPosition(int columns, int rows);

  bool IsLegal(int colour, Point point) const;
  // Every legal point for colour, in column-major order.
  std::vector<Point> LegalMoves(int colour) const;
  // Plays a legal move and returns the number of stones it captured.
  int Play(int colour, Point point);
  void Pass() { ko_ = {0, 0}; }
  void SetStone(Point point, int colour) { At(point) = static_cast<int8_t>(colour); }

  int Columns() const { return columns_; }
  int Rows() const { return rows_; }

 private:
  int8_t& At(Point p) { return cells_[(p.first - 1) * rows_ + p.second - 1]; }
  int8_t At(Point p) const { return cells_[(p.first - 1) * rows_ + p.second - 1]; }
  bool OnBoard(Point p) const { return p.first >= 1 && p.first <= columns_ && p.second >= 1 && p.second <= rows_; }
  std::vector<Point> Neighbours(Point p) const;
  // The chain at p and its number of liberties, `ignoring` counted as occupied.
  std::pair<std::vector<Point>, int> ChainAt(Point p, Point ignoring = {0, 0}) const;

  int columns_;
  int rows_;
  std::vector<int8_t> cells_;
  Point ko_{0, 0};
};

}  // namespace tenukiro::testing
