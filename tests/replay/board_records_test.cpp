#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "replay/board.h"
#include "replay/board_test_support.h"
#include "sgf/game_file.h"
#include "sgf/property_id.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_property.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_value.h"
#include "support/record_set_test.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;
using testing::CompareCaptureMoves;
using testing::ComparePositions;
using testing::ReferenceBoard;
using testing::kSanitizerSampling;

// Replays the main line of every game tree of a record on the Board and on the
// reference board side by side, the way the show feeds moves and setup.
class MainLineReplay {
 public:
  void StartGame(const GameContext& context) {
    board_.ResetBoard(context.columnsPlus1, context.rowsPlus1);
    reference_ = ReferenceBoard(board_.ColumnsPlus1() - 1, board_.RowsPlus1() - 1);
  }

  // Returns whether the node changed the position or its history.
  bool Apply(const SgfNode& node) {
    const bool setup = ApplySetup(node);
    return ApplyMove(node) || setup;
  }

  std::string Compare() const { return ComparePositions(board_, reference_); }
  std::string CompareCaptures() const { return CompareCaptureMoves(board_, reference_); }
  const Board& board() const { return board_; }
  // Moves on an occupied point and suicides.
  int IllegalMoves() const { return illegalMoves_; }

 private:
  // Returns whether the property had any value, on the board or not.
  bool Put(const SgfNode& node, PropertyId id, int colour) {
    const SgfProperty* property = node.FindProperty(id);
    if (property == nullptr || property->ValueCount() == 0) return false;
    for (const SgfValue* value : property->Values()) {
      const PointValue point = value->Point();
      if (!board_.IsPlayable(point.column, point.row)) continue;
      const uint16_t word = board_.PointWord(point.column, point.row) & ~(kStoneBits | kPointEmpty);
      board_.SetPointWord(point.column, point.row, word | (colour ? colour : kPointEmpty));
      reference_.SetStone(point.column, point.row, colour);
    }
    return true;
  }

  bool ApplySetup(const SgfNode& node) {
    const bool cleared = Put(node, PROP_AE, 0);
    const bool black = Put(node, PROP_AB, kBlack);
    const bool white = Put(node, PROP_AW, kWhite);
    if (!cleared && !black && !white) return false;
    board_.RebuildChains();
    reference_.RebuildHistory();
    return true;
  }

  bool ApplyMove(const SgfNode& node) {
    const bool black = node.FindProperty(PROP_B) != nullptr;
    if (!black && node.FindProperty(PROP_W) == nullptr) return false;
    if (board_.MoveCount() >= Board::kMaxMoves) return false;
    const int colour = black ? kBlack : kWhite;
    PointValue point = node.PropertyPoint(black ? PROP_B : PROP_W).value_or(PointValue{});
    const bool onBoard = board_.IsPlayable(point.column, point.row);
    if (!onBoard || !board_.IsLegalMove(colour, point.column, point.row)) {
      illegalMoves_ += onBoard;
      point = PointValue{};
    }
    reference_.Play(colour, point.column, point.row);
    illegalMoves_ += point.column != 0 && reference_.Colour(point.column, point.row) == 0;
    board_.PlayMove(colour, point.column, point.row, MoveMode::kGame);
    return true;
  }

  Board board_;
  ReferenceBoard reference_{19, 19};
  int illegalMoves_ = 0;
};

using BoardRecords = testing::RecordSetTest;

TEST_P(BoardRecords, MainLinesMatchReferenceBoard) {
  const std::vector<fs::path>& files = testing::RecordFiles(GetParam());
  int sampled = 0;
  int positions = 0;
  for (const fs::path& file : files) {
    if (++sampled % kSanitizerSampling != 0) continue;
    SCOPED_TRACE(file.string());
    SgfText text = ReadGameFile(file.string());
    GameContext context;
    SgfCollection collection(context);
    BeginParse(collection, text);
    ASSERT_NE(collection.Cursor(), nullptr);
    MainLineReplay replay;
    const SgfNode* lastOnLine = nullptr;
    for (SgfNode* node = collection.Cursor(); node; node = collection.NextNodePreorder(node, text)) {
      collection.SelectVariation(node);
      collection.SetCursor(node);
      if (node == collection.CurrentRoot()) {
        if (lastOnLine) {
          ASSERT_EQ(replay.CompareCaptures(), "");
        }
        collection.GetBoardSize();
        replay.StartGame(context);
      } else if (lastOnLine == nullptr || node != lastOnLine->FirstChild()) {
        continue;
      }
      const bool changed = replay.Apply(*node);
      lastOnLine = node;
      if (changed && ++positions % kSanitizerSampling == 0) {
        ASSERT_EQ(replay.Compare(), "") << "at move " << replay.board().MoveCount();
      }
    }
    ASSERT_EQ(replay.Compare(), "");
    ASSERT_EQ(replay.CompareCaptures(), "");
    ASSERT_EQ(replay.board().CheckConsistency(), "");
    // The project's own games are legal throughout.
    if (Own()) {
      EXPECT_EQ(replay.IllegalMoves(), 0);
    }
  }
  EXPECT_GT(files.size(), Own() ? testing::GeneratedRecords().size() : 300u);
  EXPECT_GT(positions, (Own() ? 4000 : 50000) / kSanitizerSampling);
}

INSTANTIATE_TEST_SUITE_P(, BoardRecords, ::testing::ValuesIn(testing::kRecordSets), testing::RecordSetName);

}  // namespace
}  // namespace tenukiro
