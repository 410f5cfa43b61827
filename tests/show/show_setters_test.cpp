#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "fake_host.h"
#include "show/show_window.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

// One rule of the preview setters: a show on a record, something done to it first,
// the setter call, and what must hold afterwards.
struct SetterCase {
  const char* rule;
  std::vector<std::pair<const char*, int>> profile;
  const char* record;
  int ticksFirst;
  SettingId setting;
  int32_t value;
  std::function<void(const CShowWnd& show, const FakeHost& host, const SettingsRecord& before)> check;
};

void PrintTo(const SetterCase& c, std::ostream* out) { *out << c.rule; }

class PreviewSetters : public ::testing::TestWithParam<SetterCase> {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tenukiro-setters-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    SeedRandom(11, true);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
};

const int32_t kRed = static_cast<int32_t>(Rgb(255, 0, 0));

bool Repainted(const FakeHost& host) { return !host.presented.empty(); }

TEST_P(PreviewSetters, FollowTheirRule) {
  const SetterCase& c = GetParam();
  MemoryProfile profile;
  for (const auto& [name, value] : c.profile) profile.WriteInt(name, value);
  const fs::path record = folder_ / "a.sgf";
  std::ofstream(record, std::ios::binary) << c.record;
  profile.WriteInt("NumOfFile", 1);
  profile.WriteText("File0", record.string());
  FakeHost host({320, 240}, {1024, 768});
  CShowWnd show(profile, host, folder_.string() + "/");
  show.OnCreate();
  show.OnPaint();
  for (int i = 0; i < c.ticksFirst; ++i) show.OnTimer();
  const SettingsRecord before = show.Settings();
  host.armed.clear();
  host.presented.clear();
  show.SetSetting(c.setting, c.value);
  c.check(show, host, before);
}

const char* const kGame = "(;SZ[9];B[aa];W[bb]C[a comment];B[cc];W[dd])";

INSTANTIATE_TEST_SUITE_P(
    Rules, PreviewSetters,
    ::testing::Values(
        SetterCase{"a position time re-arms at 100 ms even when unchanged", {}, kGame, 1, CommonPositionTime, 1000,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord&) {
                     EXPECT_EQ(host.armed, std::vector<int>{100});
                     EXPECT_EQ(show.ArmedInterval(), 100);
                   }},
        SetterCase{"a new position time takes effect from the next position", {}, kGame, 1, FinalPositionTime, 5000,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord&) {
                     EXPECT_EQ(host.armed, std::vector<int>{100});
                     EXPECT_EQ(show.Settings().Effective(FinalPositionTime), 5000);
                     EXPECT_FALSE(Repainted(host));
                   }},
        SetterCase{"the transition time changes nothing visible", {}, kGame, 1, SplashDelay, 3000,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord&) {
                     EXPECT_TRUE(host.armed.empty());
                     EXPECT_FALSE(Repainted(host));
                     EXPECT_EQ(show.Settings().Effective(SplashDelay), 3000);
                   }},
        SetterCase{"an unchanged value does nothing", {}, kGame, 1, Lines, 1,
                   [](const CShowWnd&, const FakeHost& host, const SettingsRecord&) {
                     EXPECT_TRUE(host.armed.empty());
                     EXPECT_FALSE(Repainted(host));
                   }},
        SetterCase{"a new radius lays out and redraws", {}, kGame, 1, StoneRadius, 30,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord& before) {
                     EXPECT_EQ(show.Settings().Effective(StoneRadius), 30);
                     EXPECT_NE(before.Effective(StoneRadius), 30);
                     EXPECT_TRUE(Repainted(host));
                   }},
        SetterCase{"an offset that moves no board redraws nothing", {{"GridPosition", 1}}, kGame, 1, GridX, 7,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord&) {
                     EXPECT_EQ(show.Settings().Effective(GridX), 7);
                     EXPECT_FALSE(Repainted(host));
                   }},
        SetterCase{"an offset of a custom placement redraws", {{"GridPosition", 2}}, kGame, 1, GridX, 7,
                   [](const CShowWnd&, const FakeHost& host, const SettingsRecord&) { EXPECT_TRUE(Repainted(host)); }},
        SetterCase{"the record's own option keeps precedence", {{"SgfPriority", 1}},
                   "(;SZ[9]OP[StoneRadius:30];B[aa];W[bb])", 1, StoneRadius, 20,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord&) {
                     EXPECT_EQ(show.Settings().Registry(StoneRadius), 20);
                     EXPECT_EQ(show.Settings().Effective(StoneRadius), 30);
                     EXPECT_FALSE(Repainted(host)) << "the layout did not change";
                   }},
        SetterCase{"Indices replays to the node on screen keeping the random colours", {{"RandomColors", 1}}, kGame, 2,
                   Indices, 1,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord& before) {
                     EXPECT_TRUE(show.Settings().On(Indices));
                     EXPECT_EQ(show.Record()->GetBoard().MoveCount(), 2);
                     for (const SettingId colour : kColourSettings) {
                       EXPECT_EQ(show.Settings().Effective(colour), before.Effective(colour)) << InfoOf(colour).name;
                     }
                     EXPECT_TRUE(Repainted(host));
                   }},
        SetterCase{"Assistant replays to the node on screen", {}, kGame, 3, Assistant, 1,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord&) {
                     EXPECT_TRUE(show.Settings().On(Assistant));
                     EXPECT_EQ(show.Record()->GetBoard().MoveCount(), 3);
                     EXPECT_TRUE(Repainted(host));
                   }},
        SetterCase{"Comment switched off drops the comment being shown", {{"Comment", 1}}, kGame, 2, Comment, 0,
                   [](const CShowWnd& show, const FakeHost&, const SettingsRecord& before) {
                     EXPECT_NE(before.Effective(Comment), 0);
                     EXPECT_EQ(show.Record()->State().commentText, nullptr);
                     EXPECT_EQ(show.Record()->State().commentCursor, nullptr);
                     EXPECT_NE(show.State(), ShowState::MorePages);
                   }},
        SetterCase{"a colour shows at once", {}, kGame, 1, LineColor, kRed,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord&) {
                     EXPECT_EQ(show.Settings().Effective(LineColor), kRed);
                     EXPECT_TRUE(Repainted(host));
                   }},
        SetterCase{"a colour waits while the colours are random", {{"RandomColors", 1}}, kGame, 1, LineColor, kRed,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord& before) {
                     EXPECT_EQ(show.Settings().Registry(LineColor), kRed);
                     EXPECT_EQ(show.Settings().Effective(LineColor), before.Effective(LineColor));
                     EXPECT_FALSE(Repainted(host));
                   }},
        SetterCase{"a colour the record sets stays the record's", {{"SgfPriority", 1}},
                   "(;SZ[9]OP[GridLineColor:00FF00];B[aa])", 1, LineColor, kRed,
                   [](const CShowWnd& show, const FakeHost&, const SettingsRecord&) {
                     EXPECT_EQ(show.Settings().Registry(LineColor), kRed);
                     EXPECT_EQ(show.Settings().Effective(LineColor), static_cast<int32_t>(Rgb(0, 255, 0)));
                   }},
        SetterCase{"random colours on draw a scheme", {}, kGame, 1, RandomColors, 1,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord& before) {
                     bool changed = false;
                     for (const SettingId colour : kColourSettings) {
                       changed |= show.Settings().Effective(colour) != before.Effective(colour);
                       EXPECT_EQ(show.Settings().Registry(colour), before.Registry(colour));
                     }
                     EXPECT_TRUE(changed);
                     EXPECT_TRUE(Repainted(host));
                   }},
        SetterCase{"random colours off give back the profile's and the record's colours",
                   {{"RandomColors", 1}, {"SgfPriority", 1}, {"BackColorRed", 1}},
                   "(;SZ[9]OP[GridLineColor:00FF00][BlackStoneColor:zz];B[aa])", 1, RandomColors, 0,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord&) {
                     EXPECT_EQ(show.Settings().Effective(BackColor), static_cast<int32_t>(Rgb(1, 170, 85)));
                     EXPECT_EQ(show.Settings().Effective(LineColor), static_cast<int32_t>(Rgb(0, 255, 0)));
                     // A malformed colour in the record gives the setting's default.
                     EXPECT_EQ(show.Settings().Effective(BlackColor), static_cast<int32_t>(Rgb(0, 0, 0)));
                     EXPECT_TRUE(Repainted(host));
                   }},
        SetterCase{"random colours the record sets stay the record's", {{"SgfPriority", 1}},
                   "(;SZ[9]OP[RandomColors:0];B[aa])", 1, RandomColors, 1,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord& before) {
                     EXPECT_EQ(show.Settings().Registry(RandomColors), 1);
                     EXPECT_FALSE(show.Settings().On(RandomColors));
                     EXPECT_EQ(show.Settings().Effective(BackColor), before.Effective(BackColor));
                     EXPECT_FALSE(Repainted(host));
                   }},
        SetterCase{"any other switch redraws", {}, kGame, 1, StarPoints, 0,
                   [](const CShowWnd& show, const FakeHost& host, const SettingsRecord&) {
                     EXPECT_FALSE(show.Settings().On(StarPoints));
                     EXPECT_TRUE(Repainted(host));
                   }}),
    [](const ::testing::TestParamInfo<SetterCase>& info) { return "Rule" + std::to_string(info.index); });

}  // namespace
}  // namespace tenukiro
