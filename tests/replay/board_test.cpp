#include "replay/board.h"

#include <gtest/gtest.h>

#include <array>

#include "replay/board_diagram.h"

namespace tenukiro {
namespace {

std::string Picture(std::string_view text) {
  std::string out;
  for (const std::string& line : ParseDiagram(text).lines) out += line + '\n';
  return out;
}

std::array<int, 4> Entries(const Board& board, int move) {
  return {board.CaptureOrMergeEntry(move, Board::kLeft), board.CaptureOrMergeEntry(move, Board::kUp),
          board.CaptureOrMergeEntry(move, Board::kDown), board.CaptureOrMergeEntry(move, Board::kRight)};
}

class BoardTest : public ::testing::Test {
 protected:
  Board board;
};

TEST_F(BoardTest, ResetMakesEmptyPlayableAreaInsideBorder) {
  board.ResetBoard(10, 8);
  EXPECT_EQ(board.ColumnsPlus1(), 10);
  EXPECT_EQ(board.RowsPlus1(), 8);
  EXPECT_EQ(board.PointWord(1, 1), kPointEmpty);
  EXPECT_EQ(board.PointWord(9, 7), kPointEmpty);
  EXPECT_EQ(board.PointWord(0, 3), kPointBorder);
  EXPECT_EQ(board.PointWord(10, 3), kPointBorder);
  EXPECT_EQ(board.PointWord(3, 8), kPointBorder);
  EXPECT_EQ(board.PointWord(20, 20), kPointBorder);
  EXPECT_EQ(board.MoveCount(), 0);
  EXPECT_EQ(board.SetupCount(), 0);
  EXPECT_EQ(board.MoveColour(0), kWhite);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, ResetClearsHistoryMarksAndStonesOfTheFormerGame) {
  board.PlayMove(kBlack, 3, 3, MoveMode::kGame);
  board.SetPointWord(4, 4, kPointEmpty | kMarkTR | kPointHidden);
  board.ResetBoard(6, 6);
  EXPECT_EQ(board.PointWord(3, 3), kPointEmpty);
  EXPECT_EQ(board.PointWord(4, 4), kPointEmpty);
  EXPECT_EQ(board.PlacementMove(3, 3), 0);
  EXPECT_EQ(board.MoveColumn(1), 0);
  EXPECT_EQ(board.MoveCount(), 0);
}

TEST_F(BoardTest, SizeAboveNineteenIsClampedSoNothingLeavesTheGrid) {
  board.ResetBoard(26, 255);
  EXPECT_EQ(board.ColumnsPlus1(), Board::kMaxSizePlus1);
  EXPECT_EQ(board.RowsPlus1(), Board::kMaxSizePlus1);
  EXPECT_EQ(board.PlayMove(kBlack, 19, 19, MoveMode::kGame), 1);
  EXPECT_EQ(board.PlayMove(kWhite, 25, 25, MoveMode::kGame), 2);
  EXPECT_EQ(board.MoveColumn(2), 0);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, SizeZeroGivesABoardWithoutPlayablePoints) {
  board.ResetBoard(0, 0);
  EXPECT_FALSE(board.IsPlayable(1, 1));
  EXPECT_EQ(board.PlayMove(kBlack, 1, 1, MoveMode::kGame), 1);
  EXPECT_EQ(board.PlacementMove(1, 1), 0);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, CaptureEmptiesPointAndGivesCapturersTheLiberty) {
  SetUpPosition(board, R"(
    .X...
    XO...
    .X...
    .....
  )");
  const int white = board.PlacementMove(2, 2);
  const int move = board.PlayMove(kBlack, 3, 2, MoveMode::kGame);
  EXPECT_EQ(DrawPosition(board), Picture(R"(
    .X...
    X.X..
    .X...
    .....
  )"));
  EXPECT_EQ(board.PointWord(2, 2), kPointEmpty);
  EXPECT_EQ(board.PlacementMove(2, 2), 0);
  EXPECT_EQ(board.LastRemoved(2, 2), white);
  EXPECT_EQ(board.LibertyWeight(move), 12 * 4);
  EXPECT_EQ(board.LibertyWeight(board.ChainAt(2, 1)), 12 * 3);
  EXPECT_EQ(Entries(board, move), (std::array<int, 4>{-white, 0, 0, 0}));
  EXPECT_EQ(board.CaptureMoveOf(white), move);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, CapturingTwoChainsStoresBothInNeighbourOrder) {
  SetUpPosition(board, R"(
    .X.X.
    XO.OX
    .X.X.
  )");
  const int left = board.ChainAt(2, 2);
  const int right = board.ChainAt(4, 2);
  const int move = board.PlayMove(kBlack, 3, 2, MoveMode::kGame);
  EXPECT_EQ(DrawPosition(board), Picture(R"(
    .X.X.
    X.X.X
    .X.X.
  )"));
  EXPECT_EQ(Entries(board, move), (std::array<int, 4>{-left, 0, 0, -right}));
  EXPECT_EQ(board.CaptureMoveOf(left), move);
  EXPECT_EQ(board.CaptureMoveOf(right), move);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, ChainTouchedTwiceIsCapturedOnceAndCapturerMerges) {
  SetUpPosition(board, R"(
    OOX
    O.X
    OOX
  )");
  const int white = board.ChainAt(1, 1);
  const int black = board.ChainAt(3, 2);
  const int move = board.PlayMove(kBlack, 2, 2, MoveMode::kGame);
  EXPECT_EQ(DrawPosition(board), Picture(R"(
    ..X
    .XX
    ..X
  )"));
  EXPECT_EQ(Entries(board, move), (std::array<int, 4>{-white, 0, 0, black}));
  EXPECT_EQ(board.StoneCount(white), 5);
  EXPECT_EQ(board.ChainAt(2, 2), black);
  EXPECT_EQ(board.StoneCount(black), 4);
  EXPECT_EQ(board.LibertyWeight(black), 12 * 3);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, SingleStoneSuicideLeavesPointEmptyAndUsesAnIndex) {
  SetUpPosition(board, R"(
    .O...
    O....
    .....
  )");
  const int move = board.PlayMove(kBlack, 1, 1, MoveMode::kGame);
  EXPECT_EQ(move, 3);
  EXPECT_EQ(board.MoveCount(), 3);
  EXPECT_EQ(board.PointWord(1, 1), kPointEmpty);
  EXPECT_EQ(board.PlacementMove(1, 1), 0);
  EXPECT_EQ(board.LastRemoved(1, 1), move);
  EXPECT_EQ(board.StoneCount(move), 0);
  EXPECT_EQ(board.CaptureMoveOf(move), move);
  EXPECT_EQ(board.MoveColumn(move), 1);
  EXPECT_EQ(board.MoveRow(move), 1);
  EXPECT_EQ(Entries(board, move), (std::array<int, 4>{0, 0, 0, 0}));
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, GroupSuicideRemovesTheGroupItJoins) {
  SetUpPosition(board, R"(
    X.O..
    XXO..
    OOO..
  )");
  const int black = board.ChainAt(1, 1);
  const int move = board.PlayMove(kBlack, 2, 1, MoveMode::kGame);
  EXPECT_EQ(DrawPosition(board), Picture(R"(
    ..O..
    ..O..
    OOO..
  )"));
  EXPECT_EQ(Entries(board, move), (std::array<int, 4>{-black, 0, 0, 0}));
  EXPECT_EQ(board.LastRemoved(2, 1), move);
  EXPECT_EQ(board.LastRemoved(1, 2), 2);
  EXPECT_EQ(board.CaptureMoveOf(1), move);
  EXPECT_EQ(board.CaptureMoveOf(black), move);
  EXPECT_EQ(board.CaptureMoveOf(move), move);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, CaptureTakesPrecedenceOverSuicide) {
  SetUpPosition(board, R"(
    .XO..
    XO...
    O....
  )");
  const int move = board.PlayMove(kWhite, 1, 1, MoveMode::kGame);
  EXPECT_EQ(DrawPosition(board), Picture(R"(
    O.O..
    .O...
    O....
  )"));
  EXPECT_EQ(Entries(board, move), (std::array<int, 4>{0, 0, -1, -3}));
  EXPECT_EQ(board.LibertyWeight(move), 12 * 2);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, MergeCountsSharedLibertiesOnce) {
  SetUpPosition(board, R"(
    .....
    .X.X.
    .....
  )");
  const int move = board.PlayMove(kBlack, 3, 2, MoveMode::kGame);
  EXPECT_EQ(Entries(board, move), (std::array<int, 4>{1, 0, 0, 2}));
  EXPECT_EQ(board.StoneCount(move), 3);
  EXPECT_EQ(board.LibertyWeight(move), 12 * 8);
  EXPECT_EQ(board.ChainAt(2, 2), move);
  EXPECT_EQ(board.ChainAt(4, 2), move);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, MergeOfUnequalChainsAroundAnEye) {
  SetUpPosition(board, R"(
    XXXX.
    X..X.
    XXX..
    .....
  )");
  const int larger = board.ChainAt(1, 1);
  const int move = board.PlayMove(kBlack, 4, 3, MoveMode::kGame);
  EXPECT_EQ(board.ChainAt(4, 3), larger);
  EXPECT_EQ(board.ChainAt(4, 2), larger);
  EXPECT_EQ(board.StoneCount(larger), 10);
  EXPECT_EQ(board.LibertyWeight(larger), 12 * 9);
  EXPECT_EQ(Entries(board, move), (std::array<int, 4>{larger, 0, 0, 0}));
  EXPECT_EQ(board.CheckConsistency(), "");
  board.PlayMove(kWhite, 2, 2, MoveMode::kGame);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, RebuildChainsMakesEveryStoneASetupStone) {
  board.ResetBoard(10, 10);
  board.PlayMove(kBlack, 5, 5, MoveMode::kGame);
  board.PlayMove(kWhite, 2, 7, MoveMode::kGame);
  board.PlayMove(kBlack, 0, 0, MoveMode::kGame);
  board.SetPointWord(1, 1, kPointBlack | kMarkCR);
  board.SetPointWord(9, 9, kPointWhite);
  board.SetPointWord(5, 6, kPointWhite | kPointHidden);
  board.RebuildChains();
  EXPECT_EQ(board.SetupCount(), 5);
  EXPECT_EQ(board.MoveCount(), 5);
  EXPECT_EQ(board.PlacementMove(1, 1), 1);
  EXPECT_EQ(board.PlacementMove(2, 7), 2);
  EXPECT_EQ(board.PlacementMove(5, 5), 3);
  EXPECT_EQ(board.PlacementMove(5, 6), 4);
  EXPECT_EQ(board.PlacementMove(9, 9), 5);
  EXPECT_EQ(board.PointWord(1, 1), kPointBlack | kMarkCR);
  EXPECT_EQ(board.PointWord(5, 6), kPointWhite | kPointHidden);
  EXPECT_EQ(board.MoveColour(4), kWhite);
  EXPECT_EQ(board.CaptureMoveOf(3), Board::kNotCaptured);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, RebuildChainsForgetsRemovedStonesHistory) {
  SetUpPosition(board, R"(
    .X...
    XO...
    .X...
  )");
  board.PlayMove(kBlack, 3, 2, MoveMode::kGame);
  board.RebuildChains();
  EXPECT_EQ(board.LastRemoved(2, 2), 0);
  EXPECT_EQ(board.SetupCount(), 4);
  EXPECT_EQ(board.MoveCount(), 4);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, CaptureMoveOfAnswersForEveryKindOfMove) {
  SetUpPosition(board, R"(
    .X...
    XO...
    .X...
    .....
  )");
  const int pass = board.PlayMove(kBlack, 0, 0, MoveMode::kGame);
  const int standing = board.PlayMove(kWhite, 5, 4, MoveMode::kGame);
  const int capture = board.PlayMove(kBlack, 3, 2, MoveMode::kGame);
  EXPECT_EQ(board.CaptureMoveOf(pass), pass);
  EXPECT_EQ(board.CaptureMoveOf(standing), Board::kNotCaptured);
  EXPECT_EQ(board.CaptureMoveOf(3), capture);
  EXPECT_EQ(board.CaptureMoveOf(capture), Board::kNotCaptured);
  EXPECT_EQ(board.CaptureMoveOf(1), Board::kNotCaptured);
  EXPECT_EQ(board.CaptureMoveOf(0), Board::kNotCaptured);
  EXPECT_EQ(board.CaptureMoveOf(-7), Board::kNotCaptured);
  EXPECT_EQ(board.CaptureMoveOf(board.MoveCount() + 1), Board::kNotCaptured);
  EXPECT_EQ(board.CaptureMoveOf(5000), Board::kNotCaptured);
}

TEST_F(BoardTest, StonesOnAPointFormABackwardList) {
  SetUpPosition(board, R"(
    .X...
    XO...
    .X...
  )");
  board.PlayMove(kBlack, 3, 2, MoveMode::kGame);
  const int again = board.PlayMove(kWhite, 2, 2, MoveMode::kGame);
  EXPECT_EQ(board.PlacementMove(2, 2), 0);
  EXPECT_EQ(board.LastRemoved(2, 2), again);
  EXPECT_EQ(board.PreviousOccupant(again), 3);
  const int third = board.PlayMove(kBlack, 2, 2, MoveMode::kGame);
  EXPECT_EQ(board.PreviousOccupant(third), again);
  EXPECT_EQ(board.CheckConsistency(), "");
}

struct PassCase {
  int columnsPlus1;
  int column;
  int row;
};

class BoardPassTest : public BoardTest, public ::testing::WithParamInterface<PassCase> {};

TEST_P(BoardPassTest, OffBoardMoveIsAPassThatUsesAnIndex) {
  const PassCase& pass = GetParam();
  board.ResetBoard(pass.columnsPlus1, pass.columnsPlus1);
  board.PlayMove(kBlack, 1, 1, MoveMode::kGame);
  EXPECT_TRUE(board.IsLegalMove(kWhite, pass.column, pass.row));
  const int move = board.PlayMove(kWhite, pass.column, pass.row, MoveMode::kGame);
  EXPECT_EQ(move, 2);
  EXPECT_EQ(board.MoveCount(), 2);
  EXPECT_EQ(board.MoveColour(move), kWhite);
  EXPECT_EQ(board.MoveColumn(move), 0);
  EXPECT_EQ(board.MoveRow(move), 0);
  EXPECT_EQ(board.PreviousOccupant(move), 0);
  EXPECT_EQ(board.StoneCount(move), 0);
  EXPECT_EQ(board.LibertyWeight(move), 0);
  EXPECT_EQ(board.CaptureMoveOf(move), move);
  EXPECT_EQ(board.CheckConsistency(), "");
}

INSTANTIATE_TEST_SUITE_P(Passes, BoardPassTest,
                         ::testing::Values(PassCase{20, 0, 0}, PassCase{20, 20, 20}, PassCase{20, 20, 3},
                                           PassCase{20, 3, 0}, PassCase{20, -5, 4}, PassCase{20, 100, 100},
                                           PassCase{20, -100000, 100000}, PassCase{10, 10, 10},
                                           PassCase{10, 10, 1}, PassCase{8, 5, 8}));

TEST_F(BoardTest, OccupiedPointIsRefusedAndPlayedAsAPass) {
  board.PlayMove(kBlack, 4, 4, MoveMode::kGame);
  EXPECT_FALSE(board.IsLegalMove(kWhite, 4, 4));
  EXPECT_FALSE(board.IsLegalMove(kBlack, 4, 4));
  EXPECT_TRUE(board.IsLegalMove(kWhite, 4, 5));
  for (MoveMode mode : {MoveMode::kGame, MoveMode::kSetup}) {
    const int move = board.PlayMove(kWhite, 4, 4, mode);
    EXPECT_EQ(board.MoveColumn(move), 0);
    EXPECT_EQ(board.PlacementMove(4, 4), 1);
    EXPECT_EQ(board.PointWord(4, 4), kPointBlack);
  }
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, SetupStoneNeitherCapturesNorCommitsSuicide) {
  SetUpPosition(board, R"(
    .O...
    OX...
    .O...
  )");
  board.PlayMove(kWhite, 3, 2, MoveMode::kSetup);
  board.PlayMove(kBlack, 1, 1, MoveMode::kSetup);
  EXPECT_EQ(DrawPosition(board), Picture(R"(
    XO...
    OXO..
    .O...
  )"));
  EXPECT_EQ(board.LibertyWeight(board.ChainAt(2, 2)), 0);
  EXPECT_EQ(board.LibertyWeight(board.ChainAt(1, 1)), 0);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, InvalidColourRecordsNothing) {
  for (int colour : {0, 1, 3, 6, -2, 255}) EXPECT_EQ(board.PlayMove(colour, 3, 3, MoveMode::kGame), 0);
  EXPECT_EQ(board.MoveCount(), 0);
  EXPECT_EQ(board.PointWord(3, 3), kPointEmpty);
}

TEST_F(BoardTest, MoveRecordsStopAt999WhateverTheCaller) {
  for (int i = 0; i < Board::kMaxMoves; ++i) {
    ASSERT_EQ(board.PlayMove(i % 2 ? kWhite : kBlack, 1 + i % 19, 1 + (i / 19) % 19, MoveMode::kGame), i + 1);
  }
  EXPECT_EQ(board.PlayMove(kBlack, 10, 10, MoveMode::kGame), 0);
  EXPECT_EQ(board.PlayMove(kWhite, 0, 0, MoveMode::kSetup), 0);
  EXPECT_EQ(board.MoveCount(), Board::kMaxMoves);
  EXPECT_EQ(board.MoveColour(Board::kNotCaptured), 0);
  EXPECT_EQ(board.PlacementMove(11, 15), Board::kMaxMoves);
  EXPECT_EQ(board.CaptureMoveOf(Board::kMaxMoves), Board::kNotCaptured);
  EXPECT_EQ(board.CheckConsistency(), "");
  board.RebuildChains();
  EXPECT_EQ(board.MoveCount(), board.SetupCount());
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, MarksAndHiddenBitSurviveStonesComingAndGoing) {
  SetUpPosition(board, R"(
    .X...
    X....
    .X...
  )");
  board.SetPointWord(2, 2, kPointEmpty | kMarkMA | kMarkCR | kPointHidden);
  board.PlayMove(kWhite, 2, 2, MoveMode::kGame);
  EXPECT_EQ(board.PointWord(2, 2), kPointWhite | kMarkMA | kMarkCR | kPointHidden);
  board.PlayMove(kBlack, 3, 2, MoveMode::kGame);
  EXPECT_EQ(board.PointWord(2, 2), kPointEmpty | kMarkMA | kMarkCR | kPointHidden);
}

TEST_F(BoardTest, PointAccessIsBoundedEverywhere) {
  board.SetPointWord(0, 5, kPointBlack | kPointEmpty | kPointHidden);
  EXPECT_EQ(board.PointWord(0, 5), kPointBorder | kPointHidden);
  board.SetPointWord(21, 5, kPointBlack);
  board.SetPointWord(-1, -1, kPointBlack);
  EXPECT_EQ(board.PointWord(21, 5), kPointBorder);
  EXPECT_EQ(board.PointWord(-1, 0), kPointBorder);
  EXPECT_EQ(board.PlacementMove(-3, 99), 0);
  EXPECT_EQ(board.LastRemoved(40, 2), 0);
  EXPECT_EQ(board.ChainAt(2, -2), 0);
  EXPECT_EQ(board.MoveColour(-1), 0);
  EXPECT_EQ(board.MoveColour(Board::kMoveRecords), 0);
  EXPECT_EQ(board.CaptureOrMergeEntry(1, 4), 0);
  EXPECT_EQ(board.CaptureOrMergeEntry(1, -1), 0);
  EXPECT_EQ(board.LibertyWeight(20000), 0);
  EXPECT_EQ(board.StoneCount(-20000), 0);
  EXPECT_EQ(board.CheckConsistency(), "");
}

TEST_F(BoardTest, CopiesAreIndependent) {
  board.PlayMove(kBlack, 3, 3, MoveMode::kGame);
  Board copy = board;
  copy.PlayMove(kWhite, 4, 4, MoveMode::kGame);
  EXPECT_EQ(board.MoveCount(), 1);
  EXPECT_EQ(board.PointWord(4, 4), kPointEmpty);
  EXPECT_EQ(copy.PointWord(4, 4), kPointWhite);
  EXPECT_EQ(copy.CheckConsistency(), "");
}

// Writing point words without rebuilding breaks the records in ways the checker
// must name.
struct Corruption {
  const char* name;
  int column;
  int row;
  uint16_t word;
  const char* message;
};

class BoardCorruptionTest : public BoardTest, public ::testing::WithParamInterface<Corruption> {};

TEST_P(BoardCorruptionTest, CheckConsistencyNamesTheBrokenRule) {
  SetUpPosition(board, R"(
    XX.
    .O.
    ...
  )");
  ASSERT_EQ(board.CheckConsistency(), "");
  const Corruption& corruption = GetParam();
  board.SetPointWord(corruption.column, corruption.row, corruption.word);
  EXPECT_EQ(board.CheckConsistency(), corruption.message);
}

INSTANTIATE_TEST_SUITE_P(
    Corruptions, BoardCorruptionTest,
    ::testing::Values(
        Corruption{"StoneWithoutMove", 3, 3, kPointBlack, "stone without a placement at (3,3)"},
        Corruption{"StoneTakenAway", 2, 2, kPointEmpty, "empty point has a placement at (2,2)"},
        Corruption{"ColourChanged", 1, 1, kPointWhite, "move record disagrees with the stone at (1,1): move 1"},
        Corruption{"TwoStates", 3, 1, kPointEmpty | kPointWhite,
                   "point word not exactly one of empty, black, white at (3,1)"},
        Corruption{"BorderBitInside", 3, 2, kPointEmpty | kPointBorder,
                   "point word not exactly one of empty, black, white at (3,2)"}),
    [](const ::testing::TestParamInfo<Corruption>& info) { return info.param.name; });

}  // namespace
}  // namespace tenukiro
