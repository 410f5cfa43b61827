#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "base/random_source.h"
#include "fake_host.h"
#include "show/show_window.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

class ShowWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tenukiro-show-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
    SeedRandom(5, true);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string WriteRecord(const std::string& name, const std::string& sgf) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << sgf;
    return path.string();
  }

  // A show on the given records, created and painted as a host does.
  std::unique_ptr<CShowWnd> MakeShow(const std::vector<std::string>& files, Size client = {400, 300},
                                     Size screen = {400, 300}) {
    profile_.WriteInt("NumOfFile", static_cast<int>(files.size()));
    for (size_t i = 0; i < files.size(); ++i) profile_.WriteText("File" + std::to_string(i), files[i]);
    host_ = std::make_unique<FakeHost>(client, screen);
    auto show = std::make_unique<CShowWnd>(profile_, *host_, folder_.string() + "/");
    show->OnCreate();
    show->OnPaint();
    return show;
  }

  // Ticks until the state changes; returns how many ticks it took.
  static int TicksUntilLeaving(CShowWnd& show, ShowState state) {
    int ticks = 0;
    while (show.State() == state && ticks < 100000) {
      show.OnTimer();
      ++ticks;
    }
    return ticks;
  }

  bool SurfaceHasColour(Color c) const {
    const Raster& r = host_->Surface();
    for (int y = 0; y < r.height(); ++y) {
      for (int x = 0; x < r.width(); ++x) {
        if (r.GetPixel(x, y) == c) return true;
      }
    }
    return false;
  }

  fs::path folder_;
  MemoryProfile profile_;
  std::unique_ptr<FakeHost> host_;
};

TEST_F(ShowWindowTest, EndWaitTransitionAndNextRecordTakeTheirTicks) {
  // 500 ms, a whole number of ticks: the wait lasts all of it and leaves on the tick after.
  profile_.WriteInt("BeforeSplashDelay", 34);
  profile_.WriteInt("SplashDelay", 40);        // 1000 ms: eleven ticks
  profile_.WriteInt("AfterSplashDelay", 20);   // 100 ms: two ticks
  auto show = MakeShow({WriteRecord("a.sgf", "(;SZ[9];B[aa])")});
  EXPECT_EQ(show->State(), ShowState::NextPosition);
  EXPECT_EQ(show->NextWait(), 1000);
  show->OnTimer();  // B[aa]
  EXPECT_EQ(show->Record()->GetBoard().MoveCount(), 1);
  show->OnTimer();  // no next node
  EXPECT_EQ(show->State(), ShowState::EndWait);
  EXPECT_EQ(show->NextWait(), 100);
  EXPECT_EQ(show->ArmedInterval(), 100);
  EXPECT_EQ(TicksUntilLeaving(*show, ShowState::EndWait), 6);
  EXPECT_EQ(show->State(), ShowState::Transition);
  EXPECT_EQ(TicksUntilLeaving(*show, ShowState::Transition), 11);
  EXPECT_EQ(show->State(), ShowState::AfterTransition);
  EXPECT_EQ(TicksUntilLeaving(*show, ShowState::AfterTransition), 2);
  EXPECT_EQ(show->State(), ShowState::NextPosition);
  EXPECT_EQ(show->Record()->GetBoard().MoveCount(), 0);
  EXPECT_EQ(show->NextWait(), 1000);
}

TEST_F(ShowWindowTest, ATransitionBelowOneTickIsSkipped) {
  profile_.WriteInt("SplashDelay", 19);  // 90 ms
  profile_.WriteInt("ScreenTextColorRed", 250);
  profile_.WriteInt("ScreenTextColorGreen", 1);
  profile_.WriteInt("ScreenTextColorBlue", 2);
  auto show = MakeShow({WriteRecord("a.sgf", "(;SZ[9])")});
  show->OnTimer();
  TicksUntilLeaving(*show, ShowState::EndWait);
  EXPECT_EQ(show->State(), ShowState::AfterTransition);
  EXPECT_FALSE(SurfaceHasColour(Rgb(250, 1, 2)));
}

TEST_F(ShowWindowTest, TheTransitionWordIsDrawnScaledToThePreview) {
  profile_.WriteInt("ScreenTextColorRed", 250);
  profile_.WriteInt("ScreenTextColorGreen", 1);
  profile_.WriteInt("ScreenTextColorBlue", 2);
  auto show = MakeShow({WriteRecord("a.sgf", "(;SZ[9])")}, {152, 112}, {1024, 768});
  show->OnTimer();
  TicksUntilLeaving(*show, ShowState::EndWait);
  ASSERT_EQ(show->State(), ShowState::Transition);
  EXPECT_FALSE(SurfaceHasColour(Rgb(250, 1, 2)));
  show->OnTimer();
  ASSERT_TRUE(SurfaceHasColour(Rgb(250, 1, 2)));
  // The word is 20 pixels high (f = 6), centred: its ink lies within rows 46..66.
  const Raster& r = host_->Surface();
  int top = r.height(), bottom = -1, left = r.width(), right = -1;
  for (int y = 0; y < r.height(); ++y) {
    for (int x = 0; x < r.width(); ++x) {
      if (r.GetPixel(x, y) != Rgb(0, 0, 0)) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
  }
  EXPECT_GE(top, 46);
  EXPECT_LE(bottom, 66);
  EXPECT_NEAR((left + right) / 2.0, 76, 3);
  // A repaint during the transition draws it again.
  host_->Surface() = Raster(152, 112);
  show->OnPaint();
  EXPECT_TRUE(SurfaceHasColour(Rgb(250, 1, 2)));
}

TEST_F(ShowWindowTest, TwoGameTreesFollowEachOtherWithoutATransition) {
  auto show = MakeShow({WriteRecord("a.sgf", "(;SZ[9];B[aa])(;SZ[13];B[bb])")});
  show->OnTimer();
  show->OnTimer();
  EXPECT_EQ(show->State(), ShowState::NextPosition);
  EXPECT_EQ(show->Record()->Context().columnsPlus1, 14);
  EXPECT_EQ(show->Record()->GetBoard().MoveCount(), 0);
  show->OnTimer();
  EXPECT_EQ(show->Record()->GetBoard().MoveCount(), 1);
  show->OnTimer();
  EXPECT_EQ(show->State(), ShowState::EndWait);
}

TEST_F(ShowWindowTest, AJumpReplaysFromTheRootAndKeepsTheRandomColours) {
  profile_.WriteInt("RandomColors", 1);
  auto show = MakeShow({WriteRecord("a.sgf", "(;SZ[9];B[aa](;W[bb];B[cc])(;W[dd]))")});
  const int32_t line = show->Settings().Effective(LineColor);
  const int32_t board = show->Settings().Effective(BackColor);
  for (int i = 0; i < 4; ++i) show->OnTimer();
  const Board& b = show->Record()->GetBoard();
  EXPECT_EQ(b.MoveCount(), 2);
  EXPECT_EQ(b.PointWord(4, 4) & kStoneBits, kPointWhite);
  EXPECT_EQ(b.PointWord(3, 3) & kStoneBits, 0);
  EXPECT_EQ(show->Settings().Effective(LineColor), line);
  EXPECT_EQ(show->Settings().Effective(BackColor), board);
}

TEST_F(ShowWindowTest, TheTimerIsArmedOnlyWhenTheIntervalChanges) {
  auto show = MakeShow({WriteRecord("a.sgf", "(;SZ[9];B[aa];W[bb];B[cc]MT[2000];W[dd])")});
  EXPECT_EQ(host_->armed, (std::vector<int>{1000}));
  show->OnTimer();
  show->OnTimer();
  EXPECT_EQ(host_->armed, (std::vector<int>{1000}));
  show->SetShowTimer(0);
  show->SetShowTimer(0);
  show->SetShowTimer(-5);
  EXPECT_EQ(host_->armed, (std::vector<int>{1000, 1, 1}));
  EXPECT_EQ(show->ArmedInterval(), -5);
}

TEST_F(ShowWindowTest, RandomOrderStepsZeroOneOrTwoFiles) {
  profile_.WriteInt("BeforeSplashDelay", 0);
  profile_.WriteInt("SplashDelay", 0);
  profile_.WriteInt("AfterSplashDelay", 0);
  const std::vector<std::string> files = {WriteRecord("0.sgf", "(;SZ[9])"), WriteRecord("1.sgf", "(;SZ[9])"),
                                          WriteRecord("2.sgf", "(;SZ[9])")};
  auto show = MakeShow(files);
  std::set<int> steps;
  for (int load = 0; load < 60; ++load) {
    const int before = show->Files().CursorIndex();
    while (show->State() == ShowState::NextPosition) show->OnTimer();
    while (show->State() != ShowState::NextPosition) show->OnTimer();
    steps.insert((show->Files().CursorIndex() - before + 3) % 3);
    EXPECT_GE(show->Kx(), 0);
    EXPECT_LE(show->Kx(), 20);
  }
  EXPECT_EQ(steps, (std::set<int>{0, 1, 2}));
}

TEST_F(ShowWindowTest, ListOrderAdvancesByOneAndWraps) {
  profile_.WriteInt("RandomAccess", 0);
  profile_.WriteInt("SplashDelay", 0);
  const std::vector<std::string> files = {WriteRecord("0.sgf", "(;SZ[9])"), WriteRecord("1.sgf", "(;SZ[9])")};
  auto show = MakeShow(files);
  std::vector<int> order = {show->Files().CursorIndex()};
  for (int load = 0; load < 3; ++load) {
    while (show->State() == ShowState::NextPosition) show->OnTimer();
    while (show->State() != ShowState::NextPosition) show->OnTimer();
    order.push_back(show->Files().CursorIndex());
  }
  EXPECT_EQ(order, (std::vector<int>{0, 1, 0, 1}));
}

TEST_F(ShowWindowTest, TheStartFileIsRandomToo) {
  const std::vector<std::string> files = {WriteRecord("0.sgf", "(;SZ[9])"), WriteRecord("1.sgf", "(;SZ[9])"),
                                          WriteRecord("2.sgf", "(;SZ[9])")};
  std::set<int> starts;
  for (int i = 0; i < 30; ++i) starts.insert(MakeShow(files)->Files().CursorIndex());
  EXPECT_EQ(starts, (std::set<int>{0, 1, 2}));
}

TEST_F(ShowWindowTest, AnEmptyListShowsTheBundledRecordOrARandomGame) {
  auto random = MakeShow({});
  EXPECT_EQ(random->Record()->Context().columnsPlus1, 20);
  int nodes = 0;
  while (random->State() == ShowState::NextPosition && nodes < 1000) {
    random->OnTimer();
    ++nodes;
  }
  EXPECT_EQ(nodes, 361);
  WriteRecord("Tenukiro.sgf", "(;SZ[7];B[aa])");
  auto bundled = MakeShow({});
  EXPECT_EQ(bundled->Record()->Context().columnsPlus1, 8);
}

TEST_F(ShowWindowTest, PosesAreSteppedOnePerTick) {
  profile_.WriteInt("SgfPriority", 1);
  profile_.WriteInt("Assistant", 1);
  auto show = MakeShow({WriteRecord("a.sgf", "(;SZ[9];B[aa]MT[3000]XA[1010111213:0][2020212223:500][short];W[bb])")});
  show->OnTimer();
  EXPECT_EQ(show->State(), ShowState::NextPose);
  EXPECT_EQ(show->NextWait(), 1000);
  EXPECT_STREQ(show->Record()->State().poseCode, "1010111213");
  show->OnTimer();
  EXPECT_EQ(show->State(), ShowState::NextPose);
  EXPECT_EQ(show->NextWait(), 500);
  EXPECT_STREQ(show->Record()->State().poseCode, "2020212223");
  show->OnTimer();
  EXPECT_EQ(show->State(), ShowState::NextPosition);
  EXPECT_STREQ(show->Record()->State().poseCode, "FFFFFFFFFF");
  show->OnTimer();
  EXPECT_EQ(show->Record()->GetBoard().MoveCount(), 2);
}

TEST_F(ShowWindowTest, SetFileListReloadsOnlyWhenTheCountChanges) {
  const std::string a = WriteRecord("a.sgf", "(;SZ[9])");
  const std::string b = WriteRecord("b.sgf", "(;SZ[13])");
  profile_.WriteInt("RandomAccess", 0);
  auto show = MakeShow({a});
  const LoadedRecord* first = show->Record();
  show->SetFileList({b});
  EXPECT_EQ(show->Record(), first);
  EXPECT_EQ(show->Record()->Context().columnsPlus1, 10);
  show->SetFileList({b, a});
  EXPECT_EQ(show->Record()->Context().columnsPlus1, 14);
}

TEST_F(ShowWindowTest, SettersLeaveTheRecordsOwnOptionsAlone) {
  profile_.WriteInt("SgfPriority", 1);
  auto show = MakeShow({WriteRecord("a.sgf", "(;SZ[9]OP[StoneRadius:30];B[aa];W[bb])")});
  show->SetSetting(StoneRadius, 20);
  EXPECT_EQ(show->Settings().Registry(StoneRadius), 20);
  EXPECT_EQ(show->Settings().Effective(StoneRadius), 30);
  show->SetSetting(GridX, 7);
  EXPECT_EQ(show->Settings().Effective(GridX), 7);
  host_->armed.clear();
  show->SetSetting(CommonPositionTime, 5000);
  EXPECT_EQ(host_->armed, (std::vector<int>{100})) << "a position time re-arms the timer at 100 ms";
  EXPECT_EQ(show->Settings().Effective(CommonPositionTime), 5000);
}

TEST_F(ShowWindowTest, SgfPriorityReappliesTheRecordWhereItStands) {
  auto show = MakeShow({WriteRecord("a.sgf", "(;SZ[9]OP[Numbering:1];B[aa];W[bb])")});
  show->OnTimer();
  EXPECT_FALSE(show->Settings().On(Numbering));
  show->SetSgfPriority(1);
  EXPECT_TRUE(show->Settings().On(Numbering));
  EXPECT_EQ(show->Record()->GetBoard().MoveCount(), 1) << "replayed to the node on screen";
  EXPECT_EQ(show->Record()->Collection().Cursor()->Parent(), show->Record()->Collection().CurrentRoot());
  show->SetSgfPriority(0);
  EXPECT_FALSE(show->Settings().On(Numbering));
}

TEST_F(ShowWindowTest, TwoShowsShareNothing) {
  profile_.WriteInt("RandomAccess", 0);
  auto first = MakeShow({WriteRecord("a.sgf", "(;SZ[9];B[aa];W[bb])")});
  FakeHost otherHost({200, 100}, {200, 100});
  CShowWnd second(profile_, otherHost, folder_.string() + "/");
  second.OnCreate();
  second.OnPaint();
  first->OnTimer();
  first->OnTimer();
  EXPECT_EQ(first->Record()->GetBoard().MoveCount(), 2);
  EXPECT_EQ(second.Record()->GetBoard().MoveCount(), 0);
  second.OnTimer();
  EXPECT_EQ(second.Record()->GetBoard().MoveCount(), 1);
  EXPECT_EQ(first->Record()->GetBoard().MoveCount(), 2);
}

}  // namespace
}  // namespace tenukiro
