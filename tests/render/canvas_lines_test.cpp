#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "pixel_map.h"
#include "render/canvas.h"

namespace tenukiro {
namespace {

using testing::Expected;
using testing::kBlack;
using testing::kWhite;
using testing::PixelMap;

struct LineCase {
  Point to;
};

class LineOctantTest : public ::testing::TestWithParam<LineCase> {};

// Lines from the centre of a 13 x 13 raster into every octant and along every axis.
TEST_P(LineOctantTest, DrawsStartLeavesOutEndOnePixelPerStep) {
  Raster raster(13, 13, kWhite);
  Canvas canvas(raster);
  const Point from{6, 6};
  const Point to = GetParam().to;
  canvas.MoveTo(from);
  canvas.LineTo(to, Pen{kBlack});
  EXPECT_EQ(raster.GetPixel(from.x, from.y), kBlack);
  EXPECT_EQ(raster.GetPixel(to.x, to.y), kWhite);
  EXPECT_EQ(canvas.CurrentPosition(), to);
  int count = 0;
  for (int y = 0; y < 13; ++y) {
    for (int x = 0; x < 13; ++x) count += raster.GetPixel(x, y) == kBlack;
  }
  EXPECT_EQ(count, std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)));
}

INSTANTIATE_TEST_SUITE_P(AllOctants, LineOctantTest,
                         ::testing::Values(LineCase{{12, 8}}, LineCase{{8, 12}}, LineCase{{4, 12}},
                                           LineCase{{0, 8}}, LineCase{{0, 4}}, LineCase{{4, 0}},
                                           LineCase{{8, 0}}, LineCase{{12, 4}}, LineCase{{12, 6}},
                                           LineCase{{6, 12}}, LineCase{{0, 6}}, LineCase{{6, 0}},
                                           LineCase{{12, 12}}, LineCase{{0, 0}}));

TEST(LineTest, ShallowLineStepsHalfwayAndStopsBeforeItsEnd) {
  Raster raster(8, 3, kWhite);
  Canvas canvas(raster);
  canvas.MoveTo({0, 0});
  canvas.LineTo({7, 2}, Pen{kBlack});
  EXPECT_EQ(PixelMap(raster), Expected(R"(
      ##......
      ..####..
      ......#.
  )"));
}

TEST(LineTest, ZeroLengthLineDrawsNothing) {
  Raster raster(3, 3, kWhite);
  Canvas canvas(raster);
  canvas.MoveTo({1, 1});
  canvas.LineTo({1, 1}, Pen{kBlack});
  EXPECT_EQ(raster.GetPixel(1, 1), kWhite);
}

// Halfway steps round toward each segment's start, so the two slanted sides differ by one pixel.
TEST(LineTest, PolylineClosesTriangleThroughItsFirstVertex) {
  Raster raster(7, 5, kWhite);
  Canvas canvas(raster);
  const std::vector<Point> triangle = {{3, 0}, {6, 4}, {0, 4}, {3, 0}};
  canvas.Polyline(triangle, Pen{kBlack});
  EXPECT_EQ(PixelMap(raster), Expected(R"(
      ...#...
      ..#.#..
      .#..#..
      .#...#.
      #######
  )"));
}

TEST(LineTest, HugeCoordinatesClipWithoutWalkingTheWholeLine) {
  Raster raster(10, 10, kWhite);
  Canvas canvas(raster);
  canvas.MoveTo({INT_MIN, 5});
  canvas.LineTo({INT_MAX, 5}, Pen{kBlack});
  canvas.MoveTo({INT_MIN, INT_MIN});
  canvas.LineTo({INT_MAX, INT_MAX}, Pen{kBlack});
  for (int x = 0; x < 10; ++x) EXPECT_EQ(raster.GetPixel(x, 5), kBlack) << x;
  EXPECT_EQ(raster.GetPixel(3, 3), kBlack);
}

}  // namespace
}  // namespace tenukiro
