#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "base/random_source.h"
#include "golden/golden_image.h"
#include "render/png.h"
#include "show/simulated_show.h"
#include "sphere/gl_sphere_renderer.h"

namespace tenukiro::testing {
namespace {

namespace fs = std::filesystem;

// One game that gives every frame something to show: game information, a comment long enough
// for two lines of the balloon, and a stone captured at the corner whose point is played again,
// which numbering as in books writes below the board.
constexpr const char* kRecord =
    "(;GM[1]FF[4]SZ[19]PB[Kuro Ishida]PW[Shiro Yamada]BR[5d]WR[4d]DT[2026-03-14]EV[Golden Cup]"
    "RE[B+R]KM[6.5]"
    ";B[pd];W[dp];B[pp];W[dd];B[fq]C[A solid extension along the side, with room to spare.]"
    ";W[aa];B[ba];W[qn];B[ab];W[nq];B[aa];W[cf])";

enum class Look { Flat, Spheres };

struct Frame {
  const char* name;
  std::vector<std::pair<const char*, int>> settings;
  Size client;
  Size screen;
  uint32_t atMs;
  Look look = Look::Flat;
};

void PrintTo(const Frame& frame, std::ostream* out) { *out << frame.name; }

// The lit spheres come from the GL library, whose shading differs a little between versions: their
// frames allow a pixel to be off by 24 levels in a channel, on at most 30 pixels in a thousand
// (the stones cover about 20). A board colour changed by one level, or a stone moved, still fails.
constexpr Tolerance kSphereTolerance{24, 30};

const std::vector<Frame>& Frames() {
  static const std::vector<Frame> frames = {
      {"flat_stones", {{"With3DEffect", 0}}, {320, 240}, {320, 240}, 12500},
      {"spheres_3d", {{"With3DEffect", 1}}, {320, 240}, {320, 240}, 12500, Look::Spheres},
      {"assistant_balloon", {{"With3DEffect", 0}, {"Assistant", 1}, {"Comment", 1}}, {320, 240}, {320, 240}, 6500},
      {"information_lines", {{"With3DEffect", 0}, {"Informations", 1}}, {320, 240}, {320, 240}, 12500},
      {"numbering_as_in_books", {{"With3DEffect", 0}, {"Numbering", 1}, {"AsInBooks", 1}, {"StoneRadius", 9}}, {400, 380}, {400, 380},
       12500},
      // The default stone size, which a preview scales down as it scales the screen.
      {"preview", {{"With3DEffect", 0}, {"Assistant", 1}, {"StoneRadius", 12}}, {152, 112}, {1280, 1024}, 12500},
      {"transition", {{"With3DEffect", 0}}, {320, 240}, {320, 240}, 14000},
  };
  return frames;
}

bool Recording() {
  const char* value = std::getenv("TENUKIRO_UPDATE_GOLDEN");
  return value && *value && std::string(value) != "0";
}

class GoldenFramesTest : public ::testing::TestWithParam<Frame> {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("tenukiro-golden-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    std::ofstream(folder_ / "game.sgf") << kRecord;
    profile_.WriteInt("NumOfFile", 1);
    profile_.WriteText("File0", (folder_ / "game.sgf").string());
    // Small stones put the whole board into a small frame.
    profile_.WriteInt("StoneRadius", 5);
  }
  void TearDown() override { fs::remove_all(folder_); }

  Raster Render(const Frame& frame, SphereImageRenderer* spheres) {
    for (const auto& [name, value] : frame.settings) profile_.WriteInt(name, value);
    SeedRandom(1, true);
    SimulatedShow show(profile_, frame.client, frame.screen, folder_.string() + "/", spheres);
    show.RunUntil(frame.atMs);
    return show.Surface();
  }

  fs::path folder_;
  MemoryProfile profile_;
};

TEST_P(GoldenFramesTest, MatchesItsRecordedPicture) {
  const Frame& frame = GetParam();
  SphereImageRenderer* spheres = nullptr;
  if (frame.look == Look::Spheres) {
    spheres = GlSphereRenderer::Instance();
    if (!spheres) GTEST_SKIP() << "GL cannot render here";
  }
  const Raster actual = Render(frame, spheres);
  const fs::path expectedPath = fs::path(TENUKIRO_GOLDEN_DIR) / (std::string(frame.name) + ".png");
  if (Recording()) {
    ASSERT_TRUE(WritePng(actual, expectedPath.string())) << expectedPath;
    std::cout << "recorded " << expectedPath.string() << "\n";
    return;
  }
  const std::optional<Raster> expected = ReadPng(expectedPath.string());
  ASSERT_TRUE(expected) << "cannot read " << expectedPath << " (scripts/update-golden.sh records it)";
  const Tolerance tolerance = frame.look == Look::Spheres ? kSphereTolerance : Tolerance{};
  const Comparison comparison = Compare(*expected, actual, tolerance);
  if (comparison.same) return;
  const fs::path output = fs::path(TENUKIRO_GOLDEN_OUTPUT);
  fs::create_directories(output);
  const fs::path actualPath = output / (std::string(frame.name) + "_actual.png");
  const fs::path diffPath = output / (std::string(frame.name) + "_diff.png");
  WritePng(actual, actualPath.string());
  WritePng(DiffPicture(*expected, actual), diffPath.string());
  ADD_FAILURE() << frame.name << " differs from " << expectedPath.string() << ": "
                << (comparison.sizes.empty() ? std::to_string(comparison.changedPixels) + " pixels, by up to " +
                                                   std::to_string(comparison.largestDifference)
                                             : "sizes " + comparison.sizes)
                << "\n  this run's frame: " << actualPath.string() << "\n  where they differ: " << diffPath.string()
                << "\n  after an intended change: scripts/update-golden.sh";
}

INSTANTIATE_TEST_SUITE_P(Frames, GoldenFramesTest, ::testing::ValuesIn(Frames()),
                         [](const ::testing::TestParamInfo<Frame>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tenukiro::testing
