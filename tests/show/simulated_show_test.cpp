#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/random_source.h"
#include "show/simulated_show.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

bool HasColour(const Raster& r, Color c) {
  for (int y = 0; y < r.height(); ++y) {
    for (int x = 0; x < r.width(); ++x) {
      if (r.GetPixel(x, y) == c) return true;
    }
  }
  return false;
}

uint64_t Hash(const Raster& r) {
  uint64_t h = 1469598103934665603ull;
  for (size_t i = 0; i < static_cast<size_t>(r.stride()) * static_cast<size_t>(r.height()); ++i) {
    h = (h ^ r.data()[i]) * 1099511628211ull;
  }
  return h;
}

class SimulatedShowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tenukiro-sim-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    std::ofstream(folder_ / "a.sgf") << "(;SZ[9];B[aa])";
    profile_.WriteInt("NumOfFile", 1);
    profile_.WriteText("File0", (folder_ / "a.sgf").string());
    profile_.WriteInt("ScreenTextColorRed", 250);
    profile_.WriteInt("ScreenTextColorGreen", 1);
    profile_.WriteInt("ScreenTextColorBlue", 2);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
  MemoryProfile profile_;
};

TEST_F(SimulatedShowTest, TheTransitionWordAppearsOnItsTick) {
  // Root 1000 ms, move 1000 ms, then five end ticks of 100 ms: the word comes at 2600 ms.
  SimulatedShow show(profile_, {200, 150}, {200, 150}, folder_.string() + "/", nullptr);
  show.RunUntil(2599);
  EXPECT_FALSE(HasColour(show.Surface(), Rgb(250, 1, 2)));
  show.RunUntil(2600);
  EXPECT_TRUE(HasColour(show.Surface(), Rgb(250, 1, 2)));
  show.RunUntil(3600);
  EXPECT_TRUE(HasColour(show.Surface(), Rgb(250, 1, 2)));
  show.RunUntil(3700);
  EXPECT_FALSE(HasColour(show.Surface(), Rgb(250, 1, 2)));
}

TEST_F(SimulatedShowTest, TheSameSeedGivesTheSamePictures) {
  profile_.WriteText("File0", (folder_ / "missing.sgf").string());
  profile_.WriteInt("RandomColors", 1);
  std::vector<std::pair<uint32_t, uint64_t>> runs[2];
  for (auto& frames : runs) {
    SeedRandom(77, true);
    SimulatedShow show(profile_, {160, 120}, {640, 480}, folder_.string() + "/", nullptr);
    show.RunUntil(20000, [&](uint32_t now, const Raster& picture) { frames.emplace_back(now, Hash(picture)); });
  }
  EXPECT_GT(runs[0].size(), 2u);
  EXPECT_EQ(runs[0], runs[1]);
}

}  // namespace
}  // namespace tenukiro
