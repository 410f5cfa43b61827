#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "settings/profile.h"
#include "settings/setting_table.h"
#include "show/show_window.h"
#include "show/simulated_show.h"
#include "support/record_set_test.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

// The records a run picks from: every own record, or the corpus's real games; and a
// file that does not exist.
std::vector<std::string> RecordsToShow(testing::RecordSet set) {
  std::vector<std::string> records;
  const fs::path real = testing::CorpusDir() / "real";
  for (const fs::path& file : testing::RecordFiles(set)) {
    if (set == testing::RecordSet::kOwn || file.string().starts_with(real.string())) records.push_back(file.string());
  }
  records.push_back("/nonexistent/record.sgf");
  return records;
}

bool HasTwoColours(const Raster& picture) {
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.GetPixel(x, y) != picture.GetPixel(0, 0)) return true;
    }
  }
  return false;
}

// Where the show stands: its state, the record shown and the moves played in it.
struct Progress {
  ShowState state;
  const LoadedRecord* record;
  int moves;
  bool operator==(const Progress&) const = default;
};

Progress ProgressOf(const CShowWnd& show) {
  return {show.State(), show.Record(), show.Record() ? show.Record()->GetBoard().MoveCount() : -1};
}

using RandomSettings = testing::RecordSetTest;

// Any profile the user (or a damaged file) may hold, any window size: the show keeps
// playing. Each run draws every setting from well beyond its range.
TEST_P(RandomSettings, TheShowKeepsPlayingWhateverTheProfileSays) {
  const std::vector<std::string> records = RecordsToShow(GetParam());
  ASSERT_GT(records.size(), 1u);
  std::mt19937 random(2024);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const std::vector<Size> sizes = {{0, 0}, {1, 1}, {3, 200}, {152, 112}, {640, 480}, {1000, 90}};
  // A long comment page shown at the least time per line stays still for up to about 16 s;
  // a show still for half the run has stopped.
  constexpr uint32_t kRunMs = 40000, kStepMs = 100, kLongestStillMs = kRunMs / 2;
  int shown = 0;
  for (int run = 0; run < 150; ++run) {
    MemoryProfile profile;
    for (int i = 0; i < kSettingCount; ++i) {
      const SettingInfo& info = InfoOf(static_cast<SettingId>(i));
      if (info.kind == SettingKind::Color) {
        for (const char* part : {"Red", "Green", "Blue"}) profile.WriteInt(std::string(info.name) + part, pick(-300, 600));
      } else {
        profile.WriteInt(info.name, info.kind == SettingKind::Time ? pick(-5, 30) : pick(-150, 150));
      }
    }
    profile.WriteInt("SgfPriority", pick(0, 1));
    profile.WriteInt("NumOfFile", 2);
    profile.WriteText("File0", records[pick(0, static_cast<int>(records.size()) - 1)]);
    profile.WriteText("File1", records[pick(0, static_cast<int>(records.size()) - 1)]);
    const Size client = sizes[pick(0, static_cast<int>(sizes.size()) - 1)];
    SeedRandom(static_cast<uint32_t>(run), true);
    SimulatedShow show(profile, client, Size{pick(0, 2000), pick(0, 2000)}, "/nonexistent/", nullptr);
    bool somethingInView = false;
    show.RunUntil(0, [&](uint32_t, const Raster& picture) { somethingInView = HasTwoColours(picture); });
    // The show moves on again and again: to another picture, state, move or record.
    Progress last = ProgressOf(show.Show());
    uint32_t lastProgress = 0, longestStill = 0;
    for (uint32_t now = kStepMs; now <= kRunMs; now += kStepMs) {
      show.RunUntil(now, [&](uint32_t changed, const Raster&) { lastProgress = changed; });
      if (ProgressOf(show.Show()) != last) lastProgress = now;
      last = ProgressOf(show.Show());
      longestStill = std::max(longestStill, now - lastProgress);
    }
    EXPECT_EQ(show.Surface().width(), client.width) << "run " << run;
    if (somethingInView) {
      ++shown;
      EXPECT_LT(longestStill, kLongestStillMs) << "run " << run;
    }
  }
  EXPECT_GT(shown, 40) << "too few runs had something in view";
}

INSTANTIATE_TEST_SUITE_P(, RandomSettings, ::testing::ValuesIn(testing::kRecordSets), testing::RecordSetName);

}  // namespace
}  // namespace tenukiro
