// Records as other programs write them: list properties repeated inside a node
// (GNU Go writes its handicap as AB[pd]AB[dp]) put every value on the board.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "replay/loaded_record.h"
#include "settings/settings_record.h"

namespace tenukiro {
namespace {

struct Stone {
  int column, row;
  uint16_t colour;
};

// Plays `steps` nodes after the root and returns the stones on the board.
std::vector<Stone> StonesAfter(const std::string& sgf, int steps) {
  MemoryProfile profile;
  SettingsRecord settings = ReadShowSettings(profile);
  LoadedRecord record(SgfText(sgf), settings);
  for (int i = 0; i < steps; ++i) {
    const LoadedRecord::Step step = record.NextStep();
    if (step.kind == LoadedRecord::StepKind::End) break;
    record.ApplyStep(step);
  }
  std::vector<Stone> stones;
  const Board& board = record.GetBoard();
  for (int column = 1; column < record.Context().columnsPlus1; ++column) {
    for (int row = 1; row < record.Context().rowsPlus1; ++row) {
      if (const uint16_t colour = board.PointWord(column, row) & kStoneBits) stones.push_back({column, row, colour});
    }
  }
  return stones;
}

std::string Describe(const std::vector<Stone>& stones) {
  std::string text;
  for (const Stone& stone : stones) {
    text += (stone.colour == kPointBlack ? "X" : "O") + std::to_string(stone.column) + "," + std::to_string(stone.row) + " ";
  }
  return text;
}

TEST(RecordsFromOtherPrograms, RepeatedSetupPropertiesPutEveryStoneOnTheBoard) {
  struct Case {
    const char* sgf;
    int steps;
    const char* stones;
  } cases[] = {
      // GNU Go's handicap, then the first moves.
      {"(;GM[1]FF[4]SZ[19]HA[4]AB[dd]AB[pd]AB[dp]AB[pp]PL[W])", 0, "X4,4 X4,16 X16,4 X16,16 "},
      {"(;GM[1]FF[4]SZ[19]HA[2]\nAB[pd]\nAB[dp]\nPL[W]\n;W[qp];B[dd])", 2, "X4,4 X4,16 X16,4 O17,16 "},
      // A setup node in the middle of a game, both colours repeated.
      {"(;SZ[9];B[ee];AW[aa]AB[bb]AW[cc]AB[dd];W[ff])", 3, "O1,1 X2,2 O3,3 X4,4 X5,5 O6,6 "},
      // Removals repeated too.
      {"(;SZ[9]AB[aa][bb][cc];AE[aa]AE[cc])", 1, "X2,2 "},
  };
  for (const Case& c : cases) EXPECT_EQ(Describe(StonesAfter(c.sgf, c.steps)), c.stones) << c.sgf;
}

TEST(RecordsFromOtherPrograms, RepeatedMarksAndLabelsAllShow) {
  MemoryProfile profile;
  SettingsRecord settings = ReadShowSettings(profile);
  LoadedRecord record(SgfText("(;SZ[9];B[ee]TR[aa]TR[bb]LB[cc:A]LB[dd:B]MA[ff]M[gg])"), settings);
  record.ApplyStep(record.NextStep());
  const Board& board = record.GetBoard();
  EXPECT_EQ(board.PointWord(1, 1) & kMarkBits, kMarkTR);
  EXPECT_EQ(board.PointWord(2, 2) & kMarkBits, kMarkTR);
  EXPECT_EQ(board.PointWord(6, 6) & kMarkBits, kMarkMA);
  EXPECT_EQ(board.PointWord(7, 7) & kMarkBits, kMarkMA);
  EXPECT_EQ(record.State().LabelAt(3, 3).Text(), "A");
  EXPECT_EQ(record.State().LabelAt(4, 4).Text(), "B");
}

// The show hands each record's memory to the next: the next record is read into
// the pages of the last one, and plays the same as from fresh memory.
TEST(LoadedRecordMemory, TheNextRecordIsReadIntoTheMemoryOfTheLast) {
  MemoryProfile profile;
  SettingsRecord settings = ReadShowSettings(profile);
  std::string large = "(;SZ[19]";
  for (int i = 0; i < 20000; ++i) large += i % 2 ? ";W[cc]" : ";B[dd]";
  large += ")";
  auto first = std::make_unique<LoadedRecord>(SgfText(large), settings);
  for (LoadedRecord::Step step = first->NextStep(); step.kind != LoadedRecord::StepKind::End; step = first->NextStep()) {
    first->ApplyStep(step);
  }
  const size_t committed = first->Collection().Arena().ReservedBytes();
  ASSERT_GT(committed, 0u);
  SgfArena memory = LoadedRecord::Recycle(std::move(first));
  EXPECT_EQ(memory.ReservedBytes(), committed);
  LoadedRecord second(SgfText("(;SZ[9]AB[aa]AB[bb];W[cc])"), settings, std::move(memory));
  second.ApplyStep(second.NextStep());
  EXPECT_EQ(second.Collection().Arena().ReservedBytes(), committed) << "no page of its own";
  EXPECT_EQ(second.GetBoard().PointWord(1, 1) & kStoneBits, kPointBlack);
  EXPECT_EQ(second.GetBoard().PointWord(2, 2) & kStoneBits, kPointBlack);
  EXPECT_EQ(second.GetBoard().PointWord(3, 3) & kStoneBits, kPointWhite);
  EXPECT_EQ(second.Context().columnsPlus1, 10);
  EXPECT_EQ(LoadedRecord::Recycle(nullptr).ReservedBytes(), 0u);
}

}  // namespace
}  // namespace tenukiro
