#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "fake_host.h"
#include "show/show_window.h"
#include "show/simulated_show.h"
#include "support/flat_sphere.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

using testing::FlatSphere;

// Empty when the pictures agree, else where they first differ.
std::string Difference(const Raster& incremental, const Raster& full) {
  for (int y = 0; y < full.height(); ++y) {
    for (int x = 0; x < full.width(); ++x) {
      if (incremental.GetPixel(x, y) != full.GetPixel(x, y)) {
        return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
               std::to_string(incremental.GetPixel(x, y)) + ", a full frame draws " +
               std::to_string(full.GetPixel(x, y));
      }
    }
  }
  return "";
}

class AssistantShowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tenukiro-assistant-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder_);
    SeedRandom(5, true);
    profile_.WriteInt("GridPosition", 0);
    profile_.WriteInt("Comment", 1);
  }
  void TearDown() override { fs::remove_all(folder_); }

  void UseRecord(const std::string& sgf) {
    const fs::path path = folder_ / "game.sgf";
    std::ofstream(path, std::ios::binary) << sgf;
    profile_.WriteInt("NumOfFile", 1);
    profile_.WriteText("File0", path.string());
  }

  std::unique_ptr<CShowWnd> MakeShow(const std::string& sgf, SphereImageRenderer* sphere = nullptr,
                                     Size client = {400, 300}) {
    UseRecord(sgf);
    host_ = std::make_unique<FakeHost>(client, client);
    auto show = std::make_unique<CShowWnd>(profile_, *host_, folder_.string() + "/", sphere);
    show->OnCreate();
    show->OnPaint();
    return show;
  }

  // The times at which the simulated show's picture changed.
  std::vector<uint32_t> FrameTimes(const std::string& sgf, uint32_t until) {
    UseRecord(sgf);
    SimulatedShow show(profile_, {400, 300}, {400, 300}, folder_.string() + "/", nullptr);
    std::vector<uint32_t> times;
    show.RunUntil(until, [&](uint32_t now, const Raster&) { times.push_back(now); });
    return times;
  }

  fs::path folder_;
  MemoryProfile profile_;
  std::unique_ptr<FakeHost> host_;
};

TEST_F(AssistantShowTest, ACommentHoldsItsPositionForBasePageAndLineTimes) {
  // Default times: 1000 for the position, 1000 for the comment's page, 1000 for each line.
  for (const int assistant : {0, 1}) {
    SCOPED_TRACE(assistant ? "balloon" : "comment box");
    profile_.WriteInt("Assistant", assistant);
    EXPECT_EQ(FrameTimes("(;SZ[9];B[aa]C[one two];W[bb])", 4500), (std::vector<uint32_t>{0, 1000, 4000}));
  }
}

TEST_F(AssistantShowTest, TheBalloonsLinesReachTheTiming) {
  profile_.WriteInt("SgfPriority", 1);
  profile_.WriteInt("Assistant", 1);
  auto show = MakeShow("(;SZ[9]C[one two])");
  // 1000 for the position, 1000 for the comment, 1000 for its one line.
  EXPECT_EQ(show->NextWait(), 3000);
  EXPECT_EQ(show->State(), ShowState::NextPosition);
}

TEST_F(AssistantShowTest, PosesShareTheCommentsTimeAndTheLastTakesWhatIsLeft) {
  profile_.WriteInt("SgfPriority", 1);
  profile_.WriteInt("Assistant", 1);
  // One line of comment: T = 2000 + 1 x 1001 = 3001.
  struct Case { const char* poses; std::vector<int32_t> waits; };
  for (const Case& c : {Case{"", {3001}},
                        Case{"XA[4040214243][1010111213][2020212223]", {1000, 1000, 1001}},
                        Case{"XA[4040214243:400][1010111213][2020212223:0]", {400, 1000, 1601}}}) {
    SCOPED_TRACE(c.poses);
    auto show = MakeShow(std::string("(;SZ[9];B[aa]MT[2000:0:1001]C[one two]") + c.poses + ";W[bb])");
    std::vector<int32_t> waits;
    show->OnTimer();
    waits.push_back(show->NextWait());
    while (show->State() == ShowState::NextPose) {
      show->OnTimer();
      waits.push_back(show->NextWait());
    }
    EXPECT_EQ(waits, c.waits);
    EXPECT_EQ(show->State(), ShowState::NextPosition);
    EXPECT_EQ(show->Record()->GetBoard().MoveCount(), 1);
  }
}

TEST_F(AssistantShowTest, ALongCommentIsShownPageByPage) {
  std::string comment;
  for (int i = 0; i < 120; ++i) comment += "word" + std::to_string(i) + " ";
  for (const int assistant : {0, 1}) {
    SCOPED_TRACE(assistant ? "balloon" : "comment box");
    profile_.WriteInt("Assistant", assistant);
    auto show = MakeShow("(;SZ[9];B[aa]C[" + comment + "];W[bb])");
    show->OnTimer();
    ASSERT_EQ(show->State(), ShowState::MorePages);
    int pages = 1;
    Raster previous = host_->Surface();
    while (show->State() == ShowState::MorePages && pages < 100) {
      // Each page waits the position's 1000 and the page's 1000, and 1000 for each of its lines.
      EXPECT_GE(show->NextWait(), 3000);
      EXPECT_EQ(show->NextWait() % 1000, 0);
      show->OnTimer();
      ++pages;
      EXPECT_NE(Difference(host_->Surface(), previous), "") << "page " << pages << " shows other words";
      previous = host_->Surface();
      EXPECT_EQ(show->Record()->GetBoard().MoveCount(), 1);
    }
    EXPECT_GE(pages, 2);
    EXPECT_EQ(show->State(), ShowState::NextPosition);
    show->OnTimer();
    EXPECT_EQ(show->Record()->GetBoard().MoveCount(), 2);
  }
}

TEST_F(AssistantShowTest, ARepaintShowsThePageOnScreenAgain) {
  std::string comment;
  for (int i = 0; i < 120; ++i) comment += "word" + std::to_string(i) + " ";
  profile_.WriteInt("Assistant", 1);
  auto show = MakeShow("(;SZ[9];B[aa]C[" + comment + "];W[bb])");
  show->OnTimer();
  show->OnTimer();
  ASSERT_EQ(show->State(), ShowState::MorePages);
  const Raster second = host_->Surface();
  const int32_t wait = show->NextWait();
  show->OnPaint();
  EXPECT_EQ(Difference(host_->Surface(), second), "");
  EXPECT_EQ(show->NextWait(), wait);
}

TEST_F(AssistantShowTest, ReplayingLeavesTheEndStatesAloneWithoutTheAssistant) {
  for (const int assistant : {0, 1}) {
    profile_.WriteInt("Assistant", assistant);
    auto show = MakeShow("(;SZ[9];B[aa])");
    show->OnTimer();
    show->OnTimer();
    ASSERT_EQ(show->State(), ShowState::EndWait);
    show->ReplayToNode(show->Record()->Collection().Cursor());
    EXPECT_EQ(show->State(), assistant ? ShowState::NextPosition : ShowState::EndWait) << assistant;
  }
}

// The redraws after each step leave the picture a full frame draws: the assistant's neighbourhood
// composed off screen, moved by its poses, over stones taken and played beside it, and the pages
// of a long comment.
TEST_F(AssistantShowTest, RedrawsOfTheAssistantEqualAFullFrame) {
  FlatSphere sphere;
  std::string pages;
  for (int i = 0; i < 60; ++i) pages += "word ";
  const std::string record =
      "(;SZ[9]EV[A long event name to reach under the assistant]PB[Black]PW[White]RE[W+R]C[Hello]"
      ";B[ba]C[Black plays at the edge.];W[aa]XA[4040214243:0:2:0][1010111213:0:-1:-1]C[two poses]"
      ";B[ab]XO[ouch];W[ca]XA[2030000000:0:4:1];B[ac]C[three words here]XA[1111111111];W[bb];B[cb]C[" +
      pages + "];W[ad]C[]XA[4040214243:0:3:-2];B[ae];W[af]XO[hm]XA[0000000000];B[ag]C[the end])";
  for (const int shaded : {0, 1}) {
    for (const int indices : {0, 1}) {
      SCOPED_TRACE(std::string(shaded ? "shaded" : "flat") + (indices ? " with coordinates" : ""));
      profile_.WriteInt("SgfPriority", 1);
      profile_.WriteInt("Assistant", 1);
      profile_.WriteInt("Informations", 1);
      profile_.WriteInt("MarkOnLastMove", 1);
      profile_.WriteInt("With3DEffect", shaded);
      profile_.WriteInt("Indices", indices);
      auto show = MakeShow(record, &sphere, {360, 240});
      int steps = 0;
      int pagesShown = 0;
      for (ShowState before = show->State(); steps < 100; before = show->State()) {
        show->OnTimer();
        ++steps;
        if (show->State() == ShowState::EndWait) break;
        pagesShown += show->State() == ShowState::MorePages;
        // Once the last page is written a repaint starts the comment again from its first page.
        if (before == ShowState::MorePages && show->State() == ShowState::NextPosition) continue;
        const Raster incremental = host_->Surface();
        show->OnPaint();
        ASSERT_EQ(Difference(incremental, host_->Surface()), "") << "step " << steps;
      }
      EXPECT_GT(pagesShown, 0);
      EXPECT_GT(steps, 13) << "eleven moves, a pose, pages and the end";
    }
  }
}

// Whatever a record's script values say (offsets far off the window, odd pose characters,
// empty or huge comments, line feeds, control bytes), the show keeps playing.
TEST_F(AssistantShowTest, AnyScriptValuesKeepTheShowPlaying) {
  std::mt19937 random(7);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const std::vector<std::string> values = {
      "", "4040214243", "1010111213", "9999999999", "\\]]]]]]]]]", "2130:99999999:2147483647:-2147483648",
      "3443023033:1:-40:60", "0000000000:0:9999:9999", "4444444444::5", "\x01\x02\x03\x7f\xff\xfe",
      std::string(3000, 'w'), "a\nb\n\n\nc", "word word word word word word word word word"};
  for (int run = 0; run < 24; ++run) {
    std::string sgf = "(;SZ[" + std::to_string(pick(2, 19)) + "]";
    for (int node = 0; node < 12; ++node) {
      sgf += ";" + std::string(node % 2 ? "W" : "B") + "[" + static_cast<char>('a' + pick(0, 5)) +
             static_cast<char>('a' + pick(0, 5)) + "]";
      for (const char* id : {"C", "XA", "XO", "MT"}) {
        if (pick(0, 2) == 0) continue;
        sgf += id;
        for (int count = pick(1, 3); count > 0; --count) {
          sgf += "[" + values[pick(0, static_cast<int>(values.size()) - 1)] + "]";
        }
      }
    }
    sgf += ")";
    profile_.WriteInt("SgfPriority", 1);
    profile_.WriteInt("Assistant", pick(0, 1));
    profile_.WriteInt("Informations", pick(0, 1));
    profile_.WriteInt("Indices", pick(0, 1));
    profile_.WriteInt("StoneRadius", pick(1, 99));
    profile_.WriteInt("AssistantCustomWidth", pick(0, 1));
    profile_.WriteInt("AssistantWidth", pick(-5, 120));
    UseRecord(sgf);
    const Size client = pick(0, 1) ? Size{152, 112} : Size{640, 400};
    SimulatedShow show(profile_, client, Size{1024, 768}, folder_.string() + "/", nullptr);
    show.RunUntil(60000);
    EXPECT_EQ(show.Surface().width(), client.width) << sgf;
  }
}

}  // namespace
}  // namespace tenukiro
