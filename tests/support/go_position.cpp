#include "support/go_position.h"

#include <cstddef>

namespace tenukiro::testing {

GoPosition::GoPosition(int columns, int rows)
    : columns_(columns), rows_(rows), cells_(static_cast<size_t>(columns * rows), 0) {}

std::vector<GoPosition::Point> GoPosition::Neighbours(Point p) const {
  std::vector<Point> result;
  for (const Point& n : {Point{p.first - 1, p.second}, Point{p.first + 1, p.second}, Point{p.first, p.second - 1},
                        Point{p.first, p.second + 1}}) {
    if (OnBoard(n)) result.push_back(n);
  }
  return result;
}

std::pair<std::vector<GoPosition::Point>, int> GoPosition::ChainAt(Point p, Point ignoring) const {
  const int colour = At(p);
  std::vector<bool> seen(cells_.size(), false);
  const auto mark = [&](Point q) {
    const size_t index = static_cast<size_t>((q.first - 1) * rows_ + q.second - 1);
    const bool first = !seen[index];
    seen[index] = true;
    return first;
  };
  std::vector<Point> chain{p};
  mark(p);
  int liberties = 0;
  for (size_t i = 0; i < chain.size(); ++i) {
    for (const Point& n : Neighbours(chain[i])) {
      if (n == ignoring || !mark(n)) continue;
      if (At(n) == 0) ++liberties;
      else if (At(n) == colour) chain.push_back(n);
    }
  }
  return {chain, liberties};
}

bool GoPosition::IsLegal(int colour, Point point) const {
  if (!OnBoard(point) || At(point) != 0 || point == ko_) return false;
  for (const Point& n : Neighbours(point)) {
    if (At(n) == 0) return true;
    const int liberties = ChainAt(n, point).second;
    if (At(n) == colour ? liberties > 0 : liberties == 0) return true;
  }
  return false;
}

std::vector<GoPosition::Point> GoPosition::LegalMoves(int colour) const {
  std::vector<Point> moves;
  for (int column = 1; column <= columns_; ++column) {
    for (int row = 1; row <= rows_; ++row) {
      if (IsLegal(colour, {column, row})) moves.push_back({column, row});
    }
  }
  return moves;
}

int GoPosition::Play(int colour, Point point) {
  At(point) = static_cast<int8_t>(colour);
  int captured = 0;
  Point lastCaptured{0, 0};
  for (const Point& n : Neighbours(point)) {
    if (At(n) == 0 || At(n) == colour) continue;
    const auto [chain, liberties] = ChainAt(n);
    if (liberties > 0) continue;
    for (const Point& stone : chain) At(stone) = 0;
    captured += static_cast<int>(chain.size());
    lastCaptured = n;
  }
  const auto [own, liberties] = ChainAt(point);
  ko_ = captured == 1 && own.size() == 1 && liberties == 1 ? lastCaptured : Point{0, 0};
  return captured;
}

}  // namespace tenukiro::testing
