#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "assistant/show_surroundings.h"
#include "assistant_test_support.h"

namespace tenukiro {
namespace {

using namespace testing;

// One record's first position drawn as a whole frame with the assistant beside a 9 x 9 board.
class SurroundingsScene {
 public:
  SurroundingsScene(const std::string& sgf, bool sgfPriority = true) : raster_(400, 300, kScreen) {
    settings_.SetRegistryValue(SgfPriority, sgfPriority);
    settings_.SetRegistryValue(Assistant, 1);
    settings_.SetRegistryValue(Comment, 1);
    settings_.SetRegistryValue(GridPosition, 0);
    const std::pair<SettingId, Color> colours[] = {
        {ScreenBackgroundColor, kScreen}, {AssistantBodyColor, kBody},  {AssistantInternColor, kIntern},
        {AssistantExternColor, kExternal}, {AssistantOnomatopeiaColor, kOnomatopoeia},
        {AssistantTextColor, kText},       {AssistantBalloonColor, kBalloon}};
    for (const auto& [id, colour] : colours) settings_.SetRegistryValue(id, static_cast<int32_t>(colour));
    record_ = std::make_unique<LoadedRecord>(SgfText(sgf), settings_);
    board_.SetSurroundings(&surroundings_);
    surroundings_.Show(record_.get());
    gameInfo_.SetInfo(record_->State().gameInfo);
    board_.RefreshDisplayGrid(ShownPosition{record_->GetBoard(), record_->State(), record_->Player()});
    LayoutInputs in;
    in.clientWidth = in.screenWidth = raster_.width();
    in.clientHeight = raster_.height();
    in.view = record_->State().view;
    board_.SetLayout(ComputeLayout(settings_, in, gameInfo_));
    Canvas canvas(raster_);
    board_.DrawFullFrame(canvas);
  }

  const Raster& Picture() const { return raster_; }
  const CAssistant& Character() const { return surroundings_.Character(); }
  ShowSurroundings& Surroundings() { return surroundings_; }
  AnnotationState& Position() { return record_->State(); }
  // The pixel on the body's lowest row, for a body that stands on legs or sits.
  Color BodyBottom(bool standing) const {
    const Rect area = Character().Area();
    const AssistantUnits u = Character().Units();
    const int cy = area.bottom - 2 * u.U - u.k - (standing ? u.U : 0) - 1;
    return raster_.GetPixel((area.left + area.right) / 2, cy + 2 * u.U);
  }

 private:
  SettingsRecord settings_;
  std::unique_ptr<LoadedRecord> record_;
  BoardRenderer board_{settings_};
  CGameInfo gameInfo_;
  ShowSurroundings surroundings_{settings_, board_, gameInfo_, nullptr};
  Raster raster_;
};

TEST(ShowSurroundings, TheCommentThePoseAndTheOnomatopoeiaChooseWhatTheAssistantDoes) {
  struct Case {
    const char* node;
    bool balloon, said, standing;
  };
  const Case cases[] = {
      {"C[a comment]", true, false, true},                     // speaking, in the talking pose
      {"C[a comment]XA[1010111213]", true, false, false},      // speaking in the pose given
      {"", false, true, false},                                // asleep: zzzzz!
      {"XO[hey]", false, true, false},                         // its words, asleep
      {"XA[4040214243]XO[hey]", false, true, true},            // its words in the pose
      {"XA[4040214243]", false, false, true},                  // silent in the pose
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.node);
    SurroundingsScene scene(std::string("(;SZ[9]") + c.node + ")");
    EXPECT_EQ(CountOf(scene.Picture(), kBalloon) > 2000, c.balloon) << "a balloon, not just the eyes";
    EXPECT_EQ(CountOf(scene.Picture(), kOnomatopoeia) > 0, c.said);
    EXPECT_EQ(scene.BodyBottom(c.standing), kExternal);
  }
}

TEST(ShowSurroundings, WithoutRecordPriorityTheOnomatopoeiaIsNotRead) {
  const auto inkWidth = [](const std::string& sgf, bool priority) {
    return ExtentOf(SurroundingsScene(sgf, priority).Picture(), kOnomatopoeia).Width();
  };
  const long long snoring = inkWidth("(;SZ[9])", true);
  EXPECT_GT(snoring, inkWidth("(;SZ[9]XO[M])", true));
  EXPECT_EQ(inkWidth("(;SZ[9]XO[M])", false), snoring);
}

TEST(ShowSurroundings, TheAssistantOwnsThePointsItsAreaCovers) {
  // 9 x 9, default sizes: Wu = Hu = 18; the area spans half units 1 - 18 .. 1 across and
  // 19 - 18 .. 19 down: columns -9 .. 1, rows 1 .. 10. Three units to the right: columns -7 .. 2.
  SurroundingsScene scene("(;SZ[9]XA[4040214243:0:3:0][4040214243])");
  ShowSurroundings& around = scene.Surroundings();
  EXPECT_TRUE(around.OwnsPoint(2, 5));
  EXPECT_TRUE(around.OwnsPoint(-7, 1));
  EXPECT_FALSE(around.OwnsPoint(-8, 1));
  EXPECT_FALSE(around.OwnsPoint(3, 5));
  around.CommitDisplay();
  scene.Position().assistantDx = 0;
  EXPECT_TRUE(around.OwnsPoint(2, 5)) << "the previous place is repainted too";
  EXPECT_TRUE(around.OwnsPoint(-9, 10));
  EXPECT_FALSE(around.OwnsPoint(-9, 11));
  around.CommitDisplay();
  EXPECT_FALSE(around.OwnsPoint(2, 5));
  EXPECT_TRUE(around.OwnsPoint(1, 5));
}

TEST(ShowSurroundings, TheBalloonsLinesReachTheTiming) {
  // The wait these make, 3000, is checked in tests/show/assistant_show_test.cpp.
  struct Case { const char* sgf; WrittenPage::Place place; int lines; };
  for (const Case& c : {Case{"(;SZ[9]C[one two])", WrittenPage::Place::Balloon, 1},
                        Case{"(;SZ[9])", WrittenPage::Place::Balloon, 0}}) {
    SCOPED_TRACE(c.sgf);
    SurroundingsScene scene(c.sgf);
    const WrittenPage page = scene.Surroundings().TakeWrittenPage();
    EXPECT_EQ(page.place, c.place);
    EXPECT_EQ(page.lines, c.lines);
    EXPECT_FALSE(page.textRemains);
    EXPECT_EQ(scene.Surroundings().TakeWrittenPage().place, WrittenPage::Place::None) << "taken once";
  }
}

}  // namespace
}  // namespace tenukiro
