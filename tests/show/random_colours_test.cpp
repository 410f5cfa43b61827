#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "base/random_source.h"
#include "show/random_colours.h"

namespace tenukiro {
namespace {

// Hands out scripted values and records which range each draw asked for.
struct ScriptedRandom {
  std::deque<int> values;
  std::vector<int> ranges;
  int operator()(int n) {
    ranges.push_back(n);
    const int v = values.empty() ? 0 : values.front();
    if (!values.empty()) values.pop_front();
    return v;
  }
};

Color Effective(const SettingsRecord& s, SettingId id) { return static_cast<Color>(s.Effective(id)); }

TEST(RandomColours, DrawsInAFixedOrder) {
  ScriptedRandom random{{1, 0, 200, 100, 0, 10, 20}, {}};
  SettingsRecord s;
  RandomizeColours(s, std::ref(random));
  EXPECT_EQ(random.ranges, (std::vector<int>{3, 2, 256, 256, 2, 52, 52}));
}

TEST(RandomColours, AccentIsTheLargerFreeChannelWhenForcedLow) {
  // Green forced to 0, red 200, blue 100: the board's red is 255.
  ScriptedRandom random{{1, 0, 200, 100, 0, 10, 20}, {}};
  SettingsRecord s;
  RandomizeColours(s, std::ref(random));
  EXPECT_EQ(Effective(s, LineColor), Rgb(200, 0, 100));
  // The board (255, 255 - 61, 255 - 71) is bright and the line (0.39) dark: no inversion.
  EXPECT_EQ(Effective(s, BackColor), Rgb(255, 194, 184));
  EXPECT_EQ(Effective(s, BlackColor), Rgb(200, 0, 100));
  EXPECT_EQ(Effective(s, WhiteColor), Rgb(55, 255, 155));
}

TEST(RandomColours, TiesPickTheLaterChannelForZeroAndTheEarlierForOne) {
  for (const int t : {0, 1}) {
    // Red forced to 0, green and blue both 128.
    ScriptedRandom random{{0, 0, 128, 128, t, 0, 0}, {}};
    SettingsRecord s;
    RandomizeColours(s, std::ref(random));
    const Color board = Effective(s, BackColor);
    if (t == 0) {
      EXPECT_EQ(BlueOf(board), 255) << "t = 0 picks blue";
    } else {
      EXPECT_EQ(GreenOf(board), 255) << "t = 1 picks green";
    }
  }
}

TEST(RandomColours, AccentIsTheSmallerFreeChannelWhenForcedHigh) {
  // Blue forced to 255, red 10, green 240: accent red; the board (255, 204, 204) is
  // bright and so is the line (0.66), so the board is inverted: (0, 51, 51).
  ScriptedRandom random{{2, 1, 10, 240, 0, 0, 0}, {}};
  SettingsRecord s;
  RandomizeColours(s, std::ref(random));
  EXPECT_EQ(Effective(s, BackColor), Rgb(0, 51, 51));
  EXPECT_EQ(Effective(s, LineColor), Rgb(10, 240, 255));
  EXPECT_EQ(Effective(s, WhiteColor), Rgb(10, 240, 255));
  EXPECT_EQ(Effective(s, BlackColor), Rgb(245, 15, 0));
}

TEST(RandomColours, BrightGreenLinesAreTonedDown) {
  ScriptedRandom random{{0, 0, 255, 0, 0, 0, 51}, {}};
  SettingsRecord s;
  RandomizeColours(s, std::ref(random));
  EXPECT_EQ(Effective(s, LineColor), Rgb(0, 127, 0));
  EXPECT_EQ(Effective(s, BlackColor), Rgb(0, 127, 0));
  EXPECT_EQ(Effective(s, WhiteColor), Rgb(255, 128, 255));
  EXPECT_EQ(Effective(s, BackColor), Rgb(204, 255, 153));
  EXPECT_EQ(Effective(s, AssistantBodyColor), Rgb(255, 128, 255));
  EXPECT_EQ(Effective(s, AssistantInternColor), Rgb(0, 127, 0));
}

TEST(RandomColours, FixedColoursAndProfileUntouched) {
  SeedRandom(11, true);
  for (int i = 0; i < 200; ++i) {
    SettingsRecord s;
    RandomizeColours(s);
    EXPECT_EQ(Effective(s, ScreenBackgroundColor), Rgb(0, 0, 0));
    EXPECT_EQ(Effective(s, ScreenTextColor), Rgb(255, 255, 255));
    EXPECT_EQ(Effective(s, AssistantTextColor), Rgb(0, 0, 0));
    EXPECT_EQ(Effective(s, AssistantBalloonColor), Rgb(255, 255, 255));
    EXPECT_EQ(Effective(s, AssistantOnomatopeiaColor), Rgb(255, 255, 255));
    EXPECT_EQ(s.Registry(LineColor), 0);
    const double line = Brightness(Effective(s, LineColor));
    const double board = Brightness(Effective(s, BackColor));
    // The board contrasts with the lines (toning a green line down may cross 0.5 only toward darker).
    EXPECT_FALSE(line > 0.5 && board > 0.5) << i;
  }
}

}  // namespace
}  // namespace tenukiro
