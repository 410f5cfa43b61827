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
    if (!board_.IsPlayable(point.column, point.row) || !board_.IsLegalMove(colour, point.column, point.row)) {
      point = PointValue{};
    }
    reference_.Play(colour, point.column, point.row);
    board_.PlayMove(colour, point.column, point.row, MoveMode::kGame);
    return true;
  }

  Board board_;
  ReferenceBoard reference_{19, 19};
};

TEST(BoardCorpusTest, MainLinesMatchReferenceBoard) {
  if (!fs::exists(TENUKIRO_CORPUS_DIR)) GTEST_SKIP() << "no corpus at " << TENUKIRO_CORPUS_DIR;
  int files = 0;
  int positions = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(TENUKIRO_CORPUS_DIR)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".sgf") continue;
    if (++files % kSanitizerSampling != 0) continue;
    SCOPED_TRACE(entry.path().string());
    SgfText text = ReadGameFile(entry.path().string());
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
  }
  EXPECT_GT(files, 300);
  EXPECT_GT(positions, 50000 / kSanitizerSampling);
}

}  // namespace
}  // namespace tenukiro
