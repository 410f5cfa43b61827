#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "replay/board.h"
#include "replay/board_test_support.h"

namespace tenukiro {
namespace {

using testing::CompareCaptureMoves;
using testing::ComparePositions;
using testing::ReferenceBoard;
using testing::kSanitizerSampling;

struct Size {
  int columns;
  int rows;
  int games;
};

std::string Name(const Size& size) { return std::to_string(size.columns) + "x" + std::to_string(size.rows); }

// Random play that reaches crowded positions: mostly empty points, sometimes any
// point of the grid or beyond it (occupied points and passes), and now and then
// the same colour twice so that suicides and odd shapes happen too.
class RandomMoves {
 public:
  RandomMoves(uint32_t seed, int columns, int rows) : random_(seed), columns_(columns), rows_(rows) {}

  int Next(int n) { return static_cast<int>(random_() % static_cast<uint32_t>(n)); }

  int NextColour(int previous) { return Next(10) == 0 ? previous : OtherColour(previous); }

  std::pair<int, int> NextPoint(const Board& board) {
    if (Next(12) == 0) return {Next(columns_ + 4) - 1, Next(rows_ + 4) - 1};
    std::pair<int, int> point;
    for (int attempt = 0; attempt < 8; ++attempt) {
      point = {1 + Next(columns_), 1 + Next(rows_)};
      if (board.PointWord(point.first, point.second) & kPointEmpty) break;
    }
    return point;
  }

 private:
  std::mt19937 random_;
  int columns_;
  int rows_;
};

int GamesOf(const Size& size) { return size.games / kSanitizerSampling; }

int MovesPerGame(const Size& size) { return std::min(Board::kMaxMoves + 5, 4 * size.columns * size.rows + 10); }

const Size kSizes[] = {{9, 9, 200}, {13, 13, 40}, {19, 19, 20}, {2, 2, 600},
                       {5, 7, 250}, {7, 5, 150}, {1, 1, 100}, {19, 3, 80}, {3, 19, 80}};

TEST(BoardRandomTest, InvariantsHoldAfterEveryMove) {
  uint32_t seed = 1;
  for (const Size& size : kSizes) {
    Board board;
    for (int game = 0; game < GamesOf(size); ++game, ++seed) {
      SCOPED_TRACE(Name(size) + " seed " + std::to_string(seed));
      board.ResetBoard(size.columns + 1, size.rows + 1);
      RandomMoves random(seed, size.columns, size.rows);
      int colour = kWhite;
      for (int i = 0; i < MovesPerGame(size); ++i) {
        colour = random.NextColour(colour);
        const auto [column, row] = random.NextPoint(board);
        board.PlayMove(colour, column, row, MoveMode::kGame);
        const std::string error = board.CheckConsistency();
        ASSERT_EQ(error, "") << "after move " << board.MoveCount() << " at (" << column << "," << row << ")";
      }
    }
  }
}

// Setup stones written straight into the grid, on and off the board,
// then rebuilt, then played on.
TEST(BoardRandomTest, InvariantsHoldThroughSetupAndRebuilds) {
  Board board;
  for (uint32_t seed = 1; seed <= 120 / kSanitizerSampling; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RandomMoves random(seed, 19, 19);
    board.ResetBoard(2 + random.Next(19), 2 + random.Next(19));
    int colour = kWhite;
    for (int round = 0; round < 6; ++round) {
      for (int i = random.Next(30); i > 0; --i) {
        const int column = random.Next(21);
        const int row = random.Next(21);
        const uint16_t word = board.PointWord(column, row) & ~(kStoneBits | kPointEmpty);
        const uint16_t stone = random.Next(3) == 0 ? kPointEmpty : random.Next(2) ? kPointBlack : kPointWhite;
        board.SetPointWord(column, row, word | stone);
      }
      board.RebuildChains();
      ASSERT_EQ(board.CheckConsistency(), "") << "after rebuild in round " << round;
      ASSERT_EQ(board.MoveCount(), board.SetupCount());
      for (int i = random.Next(120); i > 0; --i) {
        colour = random.NextColour(colour);
        const auto [column, row] = random.NextPoint(board);
        board.PlayMove(colour, column, row, random.Next(8) ? MoveMode::kGame : MoveMode::kSetup);
        ASSERT_EQ(board.CheckConsistency(), "") << "after move " << board.MoveCount();
      }
    }
  }
}

TEST(BoardRandomTest, MatchesReferenceBoardMoveByMove) {
  uint32_t seed = 5001;
  for (const Size& size : kSizes) {
    Board board;
    for (int game = 0; game < GamesOf(size); ++game, ++seed) {
      SCOPED_TRACE(Name(size) + " seed " + std::to_string(seed));
      board.ResetBoard(size.columns + 1, size.rows + 1);
      ReferenceBoard reference(size.columns, size.rows);
      RandomMoves random(seed, size.columns, size.rows);
      int colour = kWhite;
      for (int i = 0; i < MovesPerGame(size); ++i) {
        colour = random.NextColour(colour);
        const auto [column, row] = random.NextPoint(board);
        const int expected = reference.Play(colour, column, row);
        ASSERT_EQ(board.PlayMove(colour, column, row, MoveMode::kGame), expected);
        ASSERT_EQ(ComparePositions(board, reference), "") << "after move " << expected;
        if (i % 97 == 0) {
          ASSERT_EQ(CompareCaptureMoves(board, reference), "") << "after move " << expected;
        }
      }
      ASSERT_EQ(CompareCaptureMoves(board, reference), "");
    }
  }
}

// Setup positions rebuilt on both boards, then played on.
TEST(BoardRandomTest, MatchesReferenceBoardAfterSetup) {
  Board board;
  for (uint32_t seed = 9001; seed <= 9000 + 300 / kSanitizerSampling; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RandomMoves random(seed, 19, 19);
    const int columns = 1 + random.Next(19);
    const int rows = 1 + random.Next(19);
    board.ResetBoard(columns + 1, rows + 1);
    ReferenceBoard reference(columns, rows);
    int colour = kWhite;
    for (int round = 0; round < 4; ++round) {
      for (int i = random.Next(columns * rows); i > 0; --i) {
        const int column = 1 + random.Next(columns);
        const int row = 1 + random.Next(rows);
        const int stone = random.Next(4) == 0 ? 0 : random.Next(2) ? kBlack : kWhite;
        board.SetPointWord(column, row, static_cast<uint16_t>(stone == 0 ? kPointEmpty : stone));
        reference.SetStone(column, row, stone);
      }
      board.RebuildChains();
      reference.RebuildHistory();
      ASSERT_EQ(ComparePositions(board, reference), "") << "after rebuild in round " << round;
      for (int i = random.Next(200); i > 0; --i) {
        colour = random.NextColour(colour);
        const auto [column, row] = random.NextPoint(board);
        reference.Play(colour, column, row);
        board.PlayMove(colour, column, row, MoveMode::kGame);
        ASSERT_EQ(ComparePositions(board, reference), "") << "after move " << board.MoveCount();
      }
      ASSERT_EQ(CompareCaptureMoves(board, reference), "");
    }
  }
}

}  // namespace
}  // namespace tenukiro
