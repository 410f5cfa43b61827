#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "board_scene.h"
#include "pixel_map.h"
#include "render/cell_images.h"
#include "render/smooth_rim.h"

namespace tenukiro {
namespace {

using testing::BoardScene;
using testing::CellMap;
using testing::Expected;
using testing::kBlackStone;
using testing::kBoard;
using testing::kLine;
using testing::kWhiteStone;

// Paints a disc of the diffuse colour on the clear colour and remembers what it was asked.
class FakeSphere : public SphereImageRenderer {
 public:
  bool works = true;
  struct Call { int side; Color diffuse, clear; double specular, ambient; };
  std::vector<Call> calls;

  bool RenderSphere(Raster& image, Color diffuse, Color clear, double specular, double ambient) override {
    calls.push_back({image.width(), diffuse, clear, specular, ambient});
    if (!works) return false;
    const int n = image.width();
    for (int y = 0; y < n; ++y) {
      for (int x = 0; x < n; ++x) {
        const int dx = 2 * x - (n - 1), dy = 2 * y - (n - 1);
        image.SetPixel(x, y, dx * dx + dy * dy <= (n - 1) * (n - 1) ? diffuse : clear);
      }
    }
    return true;
  }
};

// A 24-bit bottom-up BMP file of the raster.
void WriteBmp(const std::string& path, const Raster& image) {
  const int w = image.width(), h = image.height();
  const int rowBytes = (w * 3 + 3) & ~3;
  std::vector<unsigned char> out(54 + rowBytes * h, 0);
  auto put32 = [&](int at, int v) { for (int i = 0; i < 4; ++i) out[at + i] = static_cast<unsigned char>(v >> (8 * i)); };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, static_cast<int>(out.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, w);
  put32(22, h);
  out[26] = 1;
  out[28] = 24;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Color c = image.GetPixel(x, h - 1 - y);
      unsigned char* p = &out[54 + y * rowBytes + x * 3];
      p[0] = BlueOf(c);
      p[1] = GreenOf(c);
      p[2] = RedOf(c);
    }
  }
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
}

Raster Checkerboard(int side, Color a, Color b) {
  Raster r(side, side);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) r.SetPixel(x, y, (x + y) % 2 ? a : b);
  }
  return r;
}

class PatternFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("tenukiro_patterns_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path(const char* name) const { return (dir_ / name).string(); }
  PatternPaths Paths() const { return PatternPaths{Path("BACKGR.BMP"), Path("BLACKS.BMP"), Path("WHITES.BMP")}; }

  std::filesystem::path dir_;
};

SettingsRecord Look(int custom, int threeD) {
  SettingsRecord s;
  s.SetEffective(CustomPatterns, custom);
  s.SetEffective(With3DEffect, threeD);
  s.SetEffective(BackColor, static_cast<int32_t>(kBoard));
  s.SetEffective(BlackColor, static_cast<int32_t>(kBlackStone));
  s.SetEffective(WhiteColor, static_cast<int32_t>(kWhiteStone));
  return s;
}

TEST(Stones, FlatStoneAtRadiusTwoIsASquare) {
  BoardScene scene("(;SZ[3]AB[bb])", {{With3DEffect, 0}}, 2);
  scene.DrawFull();
  const Point c = scene.Centre(2, 2);
  EXPECT_EQ(CellMap(scene.raster, Rect{c.x - 2, c.y - 2, c.x + 2, c.y + 2}), Expected(R"(
      ....
      .###
      .#B#
      .###
  )"));
}

TEST(Stones, FlatStoneIsAnOutlinedDisc) {
  BoardScene scene("(;SZ[3]AW[bb])", {{With3DEffect, 0}}, 5);
  scene.DrawFull();
  const Point c = scene.Centre(2, 2);
  // The box is (cx - 4, cy - 4) to (cx + 5, cy + 5): 9 pixels across.
  EXPECT_EQ(CellMap(scene.raster, Rect{c.x - 5, c.y - 5, c.x + 5, c.y + 5}), Expected(R"(
      ..........
      ...#####..
      ..#WWWWW#.
      .#WWWWWWW#
      .#WWWWWWW#
      .#WWWWWWW#
      .#WWWWWWW#
      .#WWWWWWW#
      ..#WWWWW#.
      ...#####..
  )"));
}

TEST(Stones, NoImagesForTheFlatLookOrAMissingRenderer) {
  EXPECT_EQ(BuildCellImages(Look(0, 0), 8, {}, nullptr).black, nullptr);
  FakeSphere sphere;
  const CellImages flat = BuildCellImages(Look(0, 0), 8, {}, &sphere);
  EXPECT_EQ(flat.black, nullptr);
  EXPECT_TRUE(sphere.calls.empty());
  const CellImages noRenderer = BuildCellImages(Look(0, 1), 8, {}, nullptr);
  EXPECT_EQ(noRenderer.black, nullptr);
  EXPECT_EQ(noRenderer.emptyPoint, nullptr);
  sphere.works = false;
  EXPECT_EQ(BuildCellImages(Look(0, 1), 8, {}, &sphere).white, nullptr);
}

TEST(Stones, SpheresAreRenderedAtTheirSizeWithARimAndTheBoardAround) {
  FakeSphere sphere;
  const CellImages images = BuildCellImages(Look(0, 1), 8, {}, &sphere);
  ASSERT_NE(images.black, nullptr);
  ASSERT_EQ(sphere.calls.size(), 2u);
  EXPECT_EQ(sphere.calls[0].side, 17);
  EXPECT_EQ(sphere.calls[0].diffuse, kBlackStone);
  EXPECT_EQ(sphere.calls[1].diffuse, kWhiteStone);
  EXPECT_EQ(sphere.calls[0].clear, kBoard);
  EXPECT_EQ(sphere.calls[0].specular, 10);
  EXPECT_EQ(sphere.calls[0].ambient, 2);
  EXPECT_EQ(images.black->width(), 17);
  EXPECT_EQ(images.black->raster().GetPixel(8, 8), kBlackStone);
  // On the rim the stone fades into the board.
  const Color rim = images.black->raster().GetPixel(8, 0);
  EXPECT_NE(rim, kBlackStone);
  EXPECT_NE(rim, kBoard);
  for (int y = 0; y < 17; ++y) {
    for (int x = 0; x < 17; ++x) ASSERT_EQ(images.emptyPoint->raster().GetPixel(x, y), kBoard);
  }

  sphere.calls.clear();
  const CellImages tiny = BuildCellImages(Look(0, 1), 2, {}, &sphere);
  ASSERT_NE(tiny.white, nullptr);
  EXPECT_EQ(sphere.calls[0].side, 3);
  // A 3 x 3 rendering at (1, 1) of a 5 x 5 image; the fake's 3 x 3 disc has board corners and no rim pass.
  EXPECT_EQ(CellMap(tiny.white->raster(), Rect{0, 0, 5, 5}), Expected(R"(
      .....
      ..W..
      .WWW.
      ..W..
      .....
  )"));
}

TEST(Stones, SmoothRimBlendsTheRingThreeTimes) {
  Raster image(7, 7, Rgb(0, 0, 0));
  image.SetPixel(0, 0, Rgb(255, 0, 120));
  SmoothRim(image);
  // b = 3, inner 4, outer 16. (3, 0): d = 9, weights 5 and 7 over 12: 0 -> 106 -> 168 -> 204.
  EXPECT_EQ(image.GetPixel(3, 0), Rgb(204, 0, 96));
  EXPECT_EQ(image.GetPixel(3, 3), Rgb(0, 0, 0));   // the centre
  EXPECT_EQ(image.GetPixel(3, 1), Rgb(0, 0, 0));   // d = inner
  EXPECT_EQ(image.GetPixel(6, 6), Rgb(0, 0, 0));   // d = 18, outside
  Raster empty;
  SmoothRim(empty);
}

TEST_F(PatternFolder, ExactSizeStoneBitmapsAreCopiedAndOthersScaled) {
  const int R = 4;
  WriteBmp(Path("BACKGR.BMP"), Checkerboard(9, Rgb(10, 20, 30), Rgb(40, 50, 60)));
  WriteBmp(Path("BLACKS.BMP"), Checkerboard(6, Rgb(255, 0, 0), Rgb(0, 0, 255)));  // 2R - 2: exact
  WriteBmp(Path("WHITES.BMP"), Checkerboard(7, Rgb(255, 0, 0), Rgb(0, 0, 255)));  // 2R - 1: scaled
  FakeSphere sphere;
  const CellImages images = BuildCellImages(Look(1, 0), R, Paths(), &sphere);
  EXPECT_TRUE(sphere.calls.empty());
  const Raster& black = images.black->raster();
  EXPECT_EQ(black.GetPixel(0, 0), Rgb(40, 50, 60));
  EXPECT_EQ(black.GetPixel(8, 8), Rgb(40, 50, 60));
  EXPECT_EQ(black.GetPixel(7, 2), Rgb(10, 20, 30));  // outside the stone square
  for (int y = 1; y < 7; ++y) {
    for (int x = 1; x < 7; ++x) {
      ASSERT_EQ(black.GetPixel(x, y), (x + y) % 2 ? Rgb(255, 0, 0) : Rgb(0, 0, 255)) << x << "," << y;
    }
  }
  // Scaled down by one pixel, the checkerboard averages into mixed colours.
  int mixed = 0;
  for (int y = 1; y < 7; ++y) {
    for (int x = 1; x < 7; ++x) {
      const Color c = images.white->raster().GetPixel(x, y);
      mixed += c != Rgb(255, 0, 0) && c != Rgb(0, 0, 255);
    }
  }
  EXPECT_GT(mixed, 0);
  EXPECT_EQ(images.emptyPoint->raster().GetPixel(3, 4), Rgb(10, 20, 30));
}

TEST_F(PatternFolder, MissingFilesFallBackToTheBoardColourAndSpheres) {
  FakeSphere sphere;
  const CellImages none = BuildCellImages(Look(1, 0), 6, Paths(), &sphere);
  // Spheres even with the three-dimensional look off.
  ASSERT_EQ(sphere.calls.size(), 2u);
  EXPECT_EQ(none.black->raster().GetPixel(6, 6), kBlackStone);
  EXPECT_EQ(none.emptyPoint->raster().GetPixel(0, 0), kBoard);
  EXPECT_EQ(none.emptyPoint->raster().GetPixel(12, 12), kBoard);
  // Without any renderer the stones are flat, the background stays.
  WriteBmp(Path("BACKGR.BMP"), Checkerboard(3, Rgb(1, 2, 3), Rgb(1, 2, 3)));
  const CellImages flat = BuildCellImages(Look(1, 0), 6, Paths(), nullptr);
  EXPECT_EQ(flat.black, nullptr);
  EXPECT_EQ(flat.emptyPoint->raster().GetPixel(5, 5), Rgb(1, 2, 3));
  // A file that is not a bitmap is a missing one.
  std::ofstream(Path("BLACKS.BMP")) << "not a bitmap";
  EXPECT_EQ(BuildCellImages(Look(1, 0), 6, Paths(), nullptr).black, nullptr);
}

TEST(Stones, PatternNamesAreRelativeToTheProgramFolder) {
  MemoryProfile profile;
  profile.WriteText("BlackStonesImage", "/abs/b.bmp");
  profile.WriteText("WhiteStonesImage", "w.bmp");
  const PatternPaths paths = PatternPathsFor(profile, "/opt/tk/");
  EXPECT_EQ(paths.background, "/opt/tk/BACKGR.BMP");
  EXPECT_EQ(paths.blackStones, "/abs/b.bmp");
  EXPECT_EQ(paths.whiteStones, "/opt/tk/w.bmp");
}

TEST_F(PatternFolder, PatternImagesAreCopiedIntoTheCellAndOneMore) {
  WriteBmp(Path("BACKGR.BMP"), Checkerboard(4, Rgb(10, 20, 30), Rgb(10, 20, 30)));
  BoardScene scene("(;SZ[3]AB[aa])", {{CustomPatterns, 1}}, 4, nullptr, Paths());
  scene.DrawFull();
  // Point (2, 1) is drawn after (1, 1): its background covers (1, 1)'s neighbour column; the
  // black stone falls back to flat (no renderer) and the empty points show the pattern.
  const Point c = scene.Centre(2, 1);
  EXPECT_EQ(scene.Pixel(c.x + 1, c.y + 2), Rgb(10, 20, 30));
  EXPECT_EQ(scene.PixelAtCentre(1, 1), kBlackStone);
  EXPECT_EQ(scene.Pixel(c.x, c.y), kLine);
}

TEST(Stones, AbsurdRadiiDrawFlat) {
  FakeSphere sphere;
  EXPECT_EQ(BuildCellImages(Look(0, 1), 5000, {}, &sphere).black, nullptr);
  EXPECT_EQ(BuildCellImages(Look(1, 1), 1, {}, &sphere).black, nullptr);
  EXPECT_TRUE(sphere.calls.empty());
}

}  // namespace
}  // namespace tenukiro
