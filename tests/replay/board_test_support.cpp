#include "replay/board_test_support.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace tenukiro::testing {
namespace {

using Point = std::pair<int, int>;

constexpr std::array<Point, 4> kSteps = {{{-1, 0}, {0, -1}, {0, 1}, {1, 0}}};

int ColourOfChar(char c) {
  if (c == 'X') return kBlack;
  if (c == 'O') return kWhite;
  return 0;
}

int ColourOfWord(uint16_t word) {
  if (word & kPointBlack) return kBlack;
  if (word & kPointWhite) return kWhite;
  return 0;
}

std::string At(int column, int row) {
  return "(" + std::to_string(column) + "," + std::to_string(row) + ")";
}

std::string CheckCell(const Board& board, int column, int row) {
  const uint16_t word = board.PointWord(column, row);
  const int placement = board.PlacementMove(column, row);
  if (!board.IsPlayable(column, row)) {
    if (!(word & kPointBorder) || (word & (kStoneBits | kPointEmpty)) || placement != 0) {
      return "bad border cell " + At(column, row);
    }
    return "";
  }
  const int states = ((word & kPointEmpty) != 0) + ((word & kPointBlack) != 0) + ((word & kPointWhite) != 0);
  if (states != 1 || (word & kPointBorder)) return "bad point word at " + At(column, row);
  if ((word & kPointEmpty) != (placement == 0)) return "placement disagrees with word at " + At(column, row);
  if (placement == 0) return "";
  if (placement > board.MoveCount() || board.MoveColour(placement) != ColourOfWord(word) ||
      board.MoveColumn(placement) != column || board.MoveRow(placement) != row) {
    return "move record disagrees with stone at " + At(column, row);
  }
  return "";
}

using PointFlags = std::array<std::array<bool, Board::kGridSide>, Board::kGridSide>;

// Flood fill of the chain at a stone: its points and its distinct liberties.
struct FloodedChain {
  std::vector<Point> stones;
  int liberties = 0;
};

FloodedChain FloodChain(const Board& board, Point start, PointFlags& seen) {
  const int colour = ColourOfWord(board.PointWord(start.first, start.second));
  PointFlags liberty{};
  FloodedChain chain;
  chain.stones.push_back(start);
  seen[start.first][start.second] = true;
  for (size_t i = 0; i < chain.stones.size(); ++i) {
    for (const Point& step : kSteps) {
      const int c = chain.stones[i].first + step.first;
      const int r = chain.stones[i].second + step.second;
      if (!board.IsPlayable(c, r)) continue;
      const uint16_t word = board.PointWord(c, r);
      if ((word & kPointEmpty) && !liberty[c][r]) {
        liberty[c][r] = true;
        ++chain.liberties;
      }
      if (ColourOfWord(word) == colour && !seen[c][r]) {
        seen[c][r] = true;
        chain.stones.push_back({c, r});
      }
    }
  }
  return chain;
}

std::string CheckChain(const Board& board, const FloodedChain& flooded) {
  const auto [column, row] = flooded.stones.front();
  const int chain = board.ChainAt(column, row);
  std::vector<int> moves;
  for (const auto& [c, r] : flooded.stones) {
    if (board.ChainAt(c, r) != chain) return "two representatives in chain at " + At(column, row);
    moves.push_back(board.PlacementMove(c, r));
  }
  std::sort(moves.begin(), moves.end());
  std::vector<int> listed;
  int stone = chain;
  do {
    if (listed.size() >= moves.size()) return "stone list does not close at " + At(column, row);
    listed.push_back(stone);
    stone = board.NextStone(stone);
  } while (stone != chain);
  std::sort(listed.begin(), listed.end());
  if (listed != moves) return "stone list differs from chain at " + At(column, row);
  if (board.StoneCount(chain) != static_cast<int>(moves.size())) return "stone count wrong at " + At(column, row);
  if (board.LibertyWeight(chain) != 12 * flooded.liberties) {
    return "liberty weight " + std::to_string(board.LibertyWeight(chain)) + " for " +
           std::to_string(flooded.liberties) + " liberties at " + At(column, row);
  }
  return "";
}

}  // namespace

Diagram ParseDiagram(std::string_view text) {
  Diagram diagram;
  std::istringstream in{std::string(text)};
  std::string line;
  while (std::getline(in, line)) {
    std::erase_if(line, [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
    if (line.empty()) continue;
    diagram.columns = std::max(diagram.columns, static_cast<int>(line.size()));
    diagram.lines.push_back(line);
  }
  diagram.rows = static_cast<int>(diagram.lines.size());
  return diagram;
}

void SetUpPosition(Board& board, GameContext& context, std::string_view text) {
  const Diagram diagram = ParseDiagram(text);
  context.columnsPlus1 = static_cast<uint8_t>(diagram.columns + 1);
  context.rowsPlus1 = static_cast<uint8_t>(diagram.rows + 1);
  board.ResetBoard();
  for (int row = 1; row <= diagram.rows; ++row) {
    const std::string& line = diagram.lines[row - 1];
    for (int column = 1; column <= static_cast<int>(line.size()); ++column) {
      const int colour = ColourOfChar(line[column - 1]);
      if (colour != 0) board.SetPointWord(column, row, static_cast<uint16_t>(colour));
    }
  }
  board.RebuildChains();
}

std::string DrawPosition(const Board& board) {
  std::string out;
  for (int row = 1; row < board.RowsPlus1(); ++row) {
    for (int column = 1; column < board.ColumnsPlus1(); ++column) {
      const int colour = ColourOfWord(board.PointWord(column, row));
      out += colour == kBlack ? 'X' : colour == kWhite ? 'O' : '.';
    }
    out += '\n';
  }
  return out;
}

std::string CheckBoardInvariants(const Board& board) {
  for (int column = 0; column < Board::kGridSide; ++column) {
    for (int row = 0; row < Board::kGridSide; ++row) {
      if (std::string error = CheckCell(board, column, row); !error.empty()) return error;
    }
  }
  PointFlags seen{};
  for (int column = 1; column < board.ColumnsPlus1(); ++column) {
    for (int row = 1; row < board.RowsPlus1(); ++row) {
      if (board.PlacementMove(column, row) == 0 || seen[column][row]) continue;
      if (std::string error = CheckChain(board, FloodChain(board, {column, row}, seen)); !error.empty()) return error;
    }
  }
  return "";
}

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
