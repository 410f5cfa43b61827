#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "replay/loaded_record.h"
#include "settings/settings_record.h"
#include "sgf/property_id.h"

namespace tenukiro {
namespace {

SettingsRecord MakeSettings(std::initializer_list<std::pair<const char*, int>> values) {
  MemoryProfile profile;
  for (const auto& [name, value] : values) profile.WriteInt(name, value);
  return ReadShowSettings(profile);
}

// Plays a record in show order up to the node of the given step (0 is the root).
class Replay {
 public:
  Replay(const std::string& sgf, SettingsRecord settings)
      : settings_(std::move(settings)), record_(SgfText(sgf), settings_) {}

  // Advances n steps; false when the record ended first.
  bool Advance(int n = 1) {
    for (int i = 0; i < n; ++i) {
      const LoadedRecord::Step step = record_.NextStep();
      if (step.kind == LoadedRecord::StepKind::End) return false;
      record_.ApplyStep(step);
    }
    return true;
  }

  const AnnotationState& State() const { return record_.State(); }
  const NodeRequest& Request() const { return record_.Request(); }
  const Board& GetBoard() const { return record_.GetBoard(); }
  NodePlayer& Player() { return record_.Player(); }
  SettingsRecord& Settings() { return settings_; }
  const SgfNode* Cursor() const { return record_.Collection().Cursor(); }

 private:
  SettingsRecord settings_;
  LoadedRecord record_;
};

struct TimingCase {
  const char* mt;
  bool comment;
  int32_t duration, line;
};

TEST(ApplyTiming, PositionTimesFromSettingsAndMT) {
  for (const TimingCase c : {TimingCase{"MT[2000]", false, 2000, 0}, TimingCase{"MT[5:100:50]", false, 10, 50},
                             TimingCase{"MT[x]", false, 7000, 600}, TimingCase{"MT[]", false, 10, 0},
                             TimingCase{"MT[5:letters]", false, 10, 0}, TimingCase{"MT[ 1500 : 20 : 30 ]", false, 1500, 0},
                             TimingCase{"MT[99999999999]", false, 1000000, 0}, TimingCase{"MT[-5:-5:-5]", false, 10, 0},
                             TimingCase{"MT[1000:500]C[hi]", true, 1500, 0}, TimingCase{"MT[1000:500]C[hi]", false, 1000, 0},
                             TimingCase{"C[hi]", true, 7000 + 3000, 600}, TimingCase{"C[hi]", false, 7000, 600}}) {
    SettingsRecord settings = MakeSettings({{"SgfPriority", 1}, {"Comment", c.comment},
                                            {"CommonPositionTime", 57}, {"CommentPageTime", 50},
                                            {"CommentLineTime", 36}});
    Replay replay(std::string("(;SZ[9];") + c.mt + ";B[aa])", std::move(settings));
    ASSERT_TRUE(replay.Advance());
    EXPECT_EQ(replay.Request().times.duration, c.duration) << c.mt << " comment " << c.comment;
    EXPECT_EQ(replay.Request().FirstWait(), c.duration) << c.mt;
    EXPECT_EQ(replay.Request().times.lineTime, c.line) << c.mt;
  }
}

TEST(ApplyTiming, MTIsIgnoredWithoutSgfPriorityAndTheLastNodeWaitsTheFinalTime) {
  Replay replay("(;SZ[9]MT[2000];B[aa])", MakeSettings({{"FinalPositionTime", 60}}));
  EXPECT_EQ(replay.Request().times.duration, 1000);
  ASSERT_TRUE(replay.Advance());
  EXPECT_EQ(replay.Request().times.duration, 10000);
}

TEST(AssistantScript, PoseCodesDurationsAndOffsets) {
  struct Case { const char* xa; const char* pose; int32_t wait; int32_t dx, dy; bool explicitDuration; };
  for (const Case c : {Case{"XA[1010111213:2000:1:-1]", "1010111213", 2000, 1, -1, true},
                       Case{"XA[1010111213]", "1010111213", 1000, 0, 0, false},
                       Case{"XA[short]", "FFFFFFFFFF", 1000, 0, 0, false},
                       Case{"XA[1010111213:0]", "1010111213", 1000, 0, 0, false},
                       Case{"XA[1010111213:500:7]", "1010111213", 500, 0, 0, true},
                       Case{"XA[1010111213:x]", "1010111213", 1000, 0, 0, false}}) {
    Replay replay(std::string("(;SZ[9];B[aa]") + c.xa + ";W[bb])", MakeSettings({{"SgfPriority", 1}, {"Assistant", 1}}));
    ASSERT_TRUE(replay.Advance());
    EXPECT_STREQ(replay.State().poseCode, c.pose) << c.xa;
    EXPECT_EQ(replay.Request().FirstWait(), c.wait) << c.xa;
    EXPECT_EQ(replay.State().assistantDx, c.dx) << c.xa;
    EXPECT_EQ(replay.State().assistantDy, c.dy) << c.xa;
    EXPECT_EQ(replay.Request().poses.pose.wait == ScriptPose::Wait::Own, c.explicitDuration) << c.xa;
    EXPECT_FALSE(replay.Request().StepsPoses()) << c.xa << ": one value, no pose steps";
  }
}

TEST(AssistantScript, SeveralValuesShareTheDuration) {
  Replay replay("(;SZ[9];B[aa]MT[3000]XA[1010111213:0][2020212223:0][3030313233:0];W[bb])",
                MakeSettings({{"SgfPriority", 1}, {"Assistant", 1}}));
  ASSERT_TRUE(replay.Advance());
  const NodeRequest& r = replay.Request();
  EXPECT_EQ(r.poses.count, 3);
  EXPECT_EQ(r.FirstWait(), 1000);
  EXPECT_TRUE(r.StepsPoses());
  ASSERT_NE(r.poses.first, nullptr);
  const SgfValue* second = r.poses.first->Next();
  ASSERT_NE(second, nullptr);
  EXPECT_STREQ(second->Text(), "2020212223:0");
  const ScriptPose pose = ReadScriptValue(second->Text());
  EXPECT_EQ(PoseWait(pose, r.times.duration, r.poses.count, r.FirstWait()), 1000);
  EXPECT_STREQ(pose.code, "2020212223");
}

TEST(AssistantScript, OffOrWithoutPriority) {
  Replay off("(;SZ[9];B[aa]XA[1010111213:2000:1:1])", MakeSettings({{"SgfPriority", 1}}));
  ASSERT_TRUE(off.Advance());
  EXPECT_STREQ(off.State().poseCode, "FFFFFFFFFF");
  EXPECT_EQ(off.Request().FirstWait(), 1000);
  Replay noPriority("(;SZ[9];B[aa]XA[1010111213:2000:1:1])", MakeSettings({{"Assistant", 1}}));
  ASSERT_TRUE(noPriority.Advance());
  EXPECT_STREQ(noPriority.State().poseCode, "FFFFFFFFFF");
  EXPECT_EQ(noPriority.Request().poses.count, 0);
}

TEST(ApplySetup, LaterListsWinAndTheHistoryRestarts) {
  Replay replay("(;SZ[9];B[ee];W[ff];AB[aa]AW[aa]AE[ee];B[cc])", MakeSettings({}));
  ASSERT_TRUE(replay.Advance(3));
  const Board& board = replay.GetBoard();
  EXPECT_EQ(board.PointWord(1, 1) & (kStoneBits | kPointEmpty), kPointWhite);
  EXPECT_EQ(board.PointWord(5, 5) & (kStoneBits | kPointEmpty), kPointEmpty);
  EXPECT_EQ(board.SetupCount(), 2);
  EXPECT_EQ(board.MoveCount(), 2);
  EXPECT_TRUE(replay.State().lastMoveMarkSuppressed);
  EXPECT_EQ(replay.Player().NumberingStart(), 3);
  ASSERT_TRUE(replay.Advance());
  EXPECT_FALSE(replay.State().lastMoveMarkSuppressed);
  EXPECT_EQ(replay.GetBoard().MoveCount(), 3);
  EXPECT_EQ(replay.Player().NumberingStart(), 3);
}

TEST(ApplySetup, OffBoardPointsStillRebuild) {
  Replay replay("(;SZ[9];B[ee];AB[zz];W[aa])", MakeSettings({}));
  ASSERT_TRUE(replay.Advance(2));
  EXPECT_EQ(replay.GetBoard().SetupCount(), 1);
  EXPECT_TRUE(replay.State().lastMoveMarkSuppressed);
}

TEST(ApplyMove, OccupiedAndOffBoardPointsArePasses) {
  Replay replay("(;SZ[9];B[aa];W[aa];B[zz];W[];B[tt])", MakeSettings({}));
  ASSERT_TRUE(replay.Advance(5));
  const Board& board = replay.GetBoard();
  EXPECT_EQ(board.MoveCount(), 5);
  EXPECT_EQ(board.PointWord(1, 1) & kStoneBits, kPointBlack);
  for (int move = 2; move <= 5; ++move) {
    EXPECT_EQ(board.MoveColumn(move), 0) << move;
    EXPECT_EQ(board.MoveRow(move), 0) << move;
  }
}

TEST(ApplyMove, TheNineHundredNinetyNinthMoveIsTheLast) {
  std::string sgf = "(;SZ[19]";
  for (int i = 0; i < 1005; ++i) sgf += i % 2 ? ";W[]" : ";B[]";
  sgf += ";C[still here])";
  Replay replay(sgf, MakeSettings({{"Comment", 1}}));
  ASSERT_TRUE(replay.Advance(1006));
  EXPECT_EQ(replay.GetBoard().MoveCount(), 999);
  EXPECT_STREQ(replay.State().commentText, "still here");
  EXPECT_FALSE(replay.Advance());
}

TEST(ApplyView, PartialViewsAndTheWholeBoardAgain) {
  Replay replay("(;SZ[5];B[aa]VW[aa:bb];W[ee];B[cc]VW[];W[dd]VW[ab])", MakeSettings({}));
  const auto hidden = [&](int c, int r) { return (replay.GetBoard().PointWord(c, r) & kPointHidden) != 0; };
  ASSERT_TRUE(replay.Advance());
  EXPECT_FALSE(hidden(1, 1));
  EXPECT_FALSE(hidden(2, 2));
  EXPECT_TRUE(hidden(3, 3));
  ASSERT_TRUE(replay.Advance());
  EXPECT_TRUE(hidden(5, 5)) << "a node without VW keeps the previous view";
  EXPECT_EQ(replay.GetBoard().PointWord(5, 5) & kStoneBits, kPointWhite);
  ASSERT_TRUE(replay.Advance());
  for (int c = 1; c <= 5; ++c) {
    for (int r = 1; r <= 5; ++r) EXPECT_FALSE(hidden(c, r));
  }
  ASSERT_TRUE(replay.Advance());
  EXPECT_FALSE(hidden(1, 2));
  EXPECT_TRUE(hidden(1, 1));
}

TEST(ApplyView, CoordinateCellsFollowTheViewWithIndices) {
  Replay replay("(;SZ[5];B[aa]VW[aa:bb])", MakeSettings({{"Indices", 1}}));
  ASSERT_TRUE(replay.Advance());
  const auto hidden = [&](int c, int r) { return (replay.GetBoard().PointWord(c, r) & kPointHidden) != 0; };
  EXPECT_FALSE(hidden(0, 1));
  EXPECT_FALSE(hidden(1, 0));
  EXPECT_FALSE(hidden(0, 0));
  EXPECT_TRUE(hidden(0, 3));
  EXPECT_TRUE(hidden(6, 1));
  EXPECT_TRUE(hidden(6, 6));
}

TEST(ComputeViewRectangle, MainLineViewsWidenTheRootView) {
  struct Case { const char* sgf; bool indices; ViewRectangle view; };
  for (const Case& c : {Case{"(;SZ[19]VW[aa:cc];B[dd];W[ee]VW[ee])", false, {1, 1, 5, 5}},
                        Case{"(;SZ[19]VW[aa:cc];B[dd];W[ee]VW[ee])", true, {0, 0, 5, 5}},
                        Case{"(;SZ[19];B[dd]VW[cc])", false, {1, 1, 19, 19}},
                        Case{"(;SZ[9:13])", true, {0, 0, 10, 14}},
                        Case{"(;SZ[19]VW[dd:ee];B[aa]VW[])", false, {1, 1, 19, 19}},
                        Case{"(;SZ[9]VW[zz])", false, {1, 1, 9, 9}},
                        Case{"(;SZ[9]VW[bc:ad])", false, {1, 1, 9, 9}},
                        Case{"(;SZ[9]VW[bb:hh];B[aa]VW[ai];W[bb]VW[ii];B[cc]VW[ee])", false, {1, 2, 9, 9}}}) {
    Replay replay(c.sgf, MakeSettings({{"Indices", c.indices}}));
    EXPECT_EQ(replay.State().view, c.view) << c.sgf << " indices " << c.indices;
  }
}

TEST(ApplyMarks, MarksAndLabelsBelongToOneNode) {
  Replay replay("(;SZ[9];B[ee]MA[aa]TR[aa]SQ[bb]CR[cc]LB[dd:long label][ee:x][zz:off];W[ff])", MakeSettings({}));
  ASSERT_TRUE(replay.Advance());
  const Board& board = replay.GetBoard();
  EXPECT_EQ(board.PointWord(1, 1) & kMarkBits, kMarkMA | kMarkTR);
  EXPECT_EQ(board.PointWord(2, 2) & kMarkBits, kMarkSQ);
  EXPECT_EQ(board.PointWord(3, 3) & kMarkBits, kMarkCR);
  EXPECT_EQ(replay.State().LabelAt(4, 4).Text(), "long");
  EXPECT_EQ(replay.State().LabelAt(5, 5).Text(), "x");
  ASSERT_TRUE(replay.Advance());
  EXPECT_EQ(replay.GetBoard().PointWord(1, 1) & kMarkBits, 0);
  EXPECT_EQ(replay.State().LabelAt(4, 4).Text(), "");
}

TEST(Numbering, MNRenumbersFromTheMoveJustPlayed) {
  Replay replay("(;SZ[9];B[aa];W[bb];B[cc]MN[50];W[dd])", MakeSettings({{"Numbering", 1}}));
  ASSERT_TRUE(replay.Advance(3));
  EXPECT_EQ(replay.Player().NumberingStart(), 3);
  EXPECT_EQ(replay.State().firstNumber, 50);
  ASSERT_TRUE(replay.Advance());
  EXPECT_EQ(replay.Player().NumberingStart(), 3);
  // Move 4 shows 4 - 3 + 50 = 51; moves 1 and 2 lie before the start.
  EXPECT_EQ(replay.Player().NumberedMoveAt(4, 4) - replay.Player().NumberingStart() + 50, 51);
  EXPECT_LT(replay.Player().NumberedMoveAt(1, 1), replay.Player().NumberingStart());
}

TEST(Numbering, AsInBooksShowsTheFirstStonePlayedOnAPoint) {
  // White 2 at (1,2) is captured by black 5; black plays 7 on the same point.
  const char* sgf = "(;SZ[5];B[aa];W[ab];B[bb];W[ee];B[ac];W[dd];B[ab])";
  for (const bool books : {false, true}) {
    Replay replay(sgf, MakeSettings({{"Numbering", 1}, {"AsInBooks", books}}));
    ASSERT_TRUE(replay.Advance(6));
    ASSERT_EQ(replay.GetBoard().PointWord(1, 2) & kStoneBits, 0);
    EXPECT_EQ(replay.Player().NumberedMoveAt(1, 2), books ? 2 : 0);
    ASSERT_TRUE(replay.Advance());
    ASSERT_EQ(replay.GetBoard().PlacementMove(1, 2), 7);
    EXPECT_EQ(replay.Player().NumberedMoveAt(1, 2), books ? 2 : 7);
    EXPECT_EQ(replay.Player().NumberedMoveAt(1, 1), 1);
  }
}

TEST(Numbering, AsInBooksStopsAtCapturesBeforeTheStart) {
  const auto settings = [] { return MakeSettings({{"Numbering", 1}, {"AsInBooks", 1}}); };
  Replay atStart("(;SZ[5];B[aa];W[ab];B[bb];W[ee];B[ac]MN[1])", settings());
  ASSERT_TRUE(atStart.Advance(5));
  EXPECT_EQ(atStart.Player().NumberedMoveAt(1, 2), 2) << "captured by the numbering start itself";
  Replay before("(;SZ[5];B[aa];W[ab];B[bb];W[ee];B[ac];W[dd]MN[1];B[ab])", settings());
  ASSERT_TRUE(before.Advance(7));
  EXPECT_EQ(before.Player().NumberedMoveAt(1, 2), 7) << "captured before the start: the stone standing counts";
}

TEST(RootPreparation, OptionsAndGameInformationPerGameTree) {
  Replay replay("(;SZ[9]OP[SgfPriority:1][StoneRadius:30]EV[Cup]PB[Black];B[aa]PW[White]RE[B+R])(;SZ[13];B[bb])",
                MakeSettings({}));
  EXPECT_EQ(replay.Settings().Effective(StoneRadius), 30);
  EXPECT_STREQ(replay.State().gameInfo.event, "Cup");
  EXPECT_STREQ(replay.State().gameInfo.blackPlayer, "Black");
  EXPECT_STREQ(replay.State().gameInfo.whitePlayer, "White");
  EXPECT_STREQ(replay.State().gameInfo.result, "B+R");
  EXPECT_EQ(replay.State().gameInfo.date, nullptr);
  ASSERT_TRUE(replay.Advance(2));
  EXPECT_EQ(replay.Cursor()->Parent(), nullptr);
  EXPECT_EQ(replay.Settings().Effective(StoneRadius), 12);
  EXPECT_EQ(replay.GetBoard().ColumnsPlus1(), 14);
  EXPECT_EQ(replay.GetBoard().MoveCount(), 0);
  EXPECT_EQ(replay.State().gameInfo.event, nullptr);
}

TEST(ShowOrder, AJumpReplaysTheVariationFromTheRoot) {
  Replay replay("(;SZ[9];B[aa](;W[bb];B[cc])(;W[dd]))", MakeSettings({}));
  ASSERT_TRUE(replay.Advance(4));
  const Board& board = replay.GetBoard();
  EXPECT_EQ(board.MoveCount(), 2);
  EXPECT_EQ(board.PointWord(2, 2) & kStoneBits, 0);
  EXPECT_EQ(board.PointWord(3, 3) & kStoneBits, 0);
  EXPECT_EQ(board.PointWord(4, 4) & kStoneBits, kPointWhite);
  EXPECT_FALSE(replay.Advance());
}

TEST(ApplyComment, OnlyWithTheCommentSetting) {
  Replay on("(;SZ[9]C[line1\\\nline2])", MakeSettings({{"Comment", 1}}));
  ASSERT_NE(on.State().commentText, nullptr);
  EXPECT_STREQ(on.State().commentText, "line1\nline2");
  EXPECT_EQ(on.State().commentCursor, on.State().commentText);
  Replay off("(;SZ[9]C[text])", MakeSettings({}));
  EXPECT_EQ(off.State().commentText, nullptr);
}

}  // namespace
}  // namespace tenukiro
