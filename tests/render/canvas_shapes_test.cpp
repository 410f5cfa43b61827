#include <gtest/gtest.h>

#include <climits>

#include "pixel_map.h"
#include "render/canvas.h"

namespace tenukiro {
namespace {

using testing::Expected;
using testing::kBlack;
using testing::kRed;
using testing::kWhite;
using testing::PixelMap;

std::string DrawOn(int w, int h, void (*draw)(Canvas&)) {
  Raster raster(w, h, kWhite);
  Canvas canvas(raster);
  draw(canvas);
  return PixelMap(raster);
}

TEST(FillTest, FillRectIsRightAndBottomExclusive) {
  EXPECT_EQ(DrawOn(5, 4, [](Canvas& c) { c.FillRect(Rect{1, 1, 4, 3}, kBlack); }), Expected(R"(
      .....
      .###.
      .###.
      .....
  )"));
}

TEST(FillTest, InvertedEmptyAndHugeRectanglesClip) {
  EXPECT_EQ(DrawOn(3, 2, [](Canvas& c) {
              c.FillRect(Rect{2, 2, 1, 1}, kBlack);
              c.FillRect(Rect{1, 1, 1, 5}, kBlack);
              c.FillRect(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kRed);
            }),
            Expected(R"(
      rrr
      rrr
  )"));
}

TEST(FillTest, ClearRectCoversTheClientAndItsOutlineRing) {
  EXPECT_EQ(DrawOn(5, 5, [](Canvas& c) { c.ClearRect(Rect{1, 1, 4, 4}, kBlack); }), Expected(R"(
      #####
      #####
      #####
      #####
      #####
  )"));
  EXPECT_EQ(DrawOn(6, 6, [](Canvas& c) { c.ClearRect(Rect{2, 2, 4, 4}, kBlack); }), Expected(R"(
      ......
      .####.
      .####.
      .####.
      .####.
      ......
  )"));
}

TEST(ShapeTest, RectangleOutlinesWithPenAndFillsWithBrush) {
  EXPECT_EQ(DrawOn(6, 5, [](Canvas& c) { c.Rectangle(Rect{0, 0, 5, 4}, Pen{kBlack}, Brush::Solid(kRed)); }),
            Expected(R"(
      #####.
      #rrr#.
      #rrr#.
      #####.
      ......
  )"));
  EXPECT_EQ(DrawOn(4, 4, [](Canvas& c) { c.Rectangle(Rect{0, 0, 4, 4}, Pen{kBlack}, Brush::Null()); }),
            Expected(R"(
      ####
      #..#
      #..#
      ####
  )"));
}

TEST(ShapeTest, TinyEllipsesAreSquareIshDiscs) {
  // Star points of radius 1: a 3 x 3 box gives a full 3 x 3 disc.
  EXPECT_EQ(DrawOn(4, 4, [](Canvas& c) { c.Ellipse(Rect{0, 0, 3, 3}, Pen{kBlack}, Brush::Solid(kBlack)); }),
            Expected(R"(
      ###.
      ###.
      ###.
      ....
  )"));
  EXPECT_EQ(DrawOn(5, 5, [](Canvas& c) { c.Ellipse(Rect{0, 0, 5, 5}, Pen{kBlack}, Brush::Solid(kRed)); }),
            Expected(R"(
      .###.
      #rrr#
      #rrr#
      #rrr#
      .###.
  )"));
  EXPECT_EQ(DrawOn(2, 2, [](Canvas& c) { c.Ellipse(Rect{0, 0, 1, 1}, Pen{kBlack}, Brush::Solid(kRed)); }),
            Expected(R"(
      #.
      ..
  )"));
}

TEST(ShapeTest, EllipseSevenByFive) {
  EXPECT_EQ(DrawOn(8, 6, [](Canvas& c) { c.Ellipse(Rect{0, 0, 7, 5}, Pen{kBlack}, Brush::Solid(kRed)); }),
            Expected(R"(
      .#####..
      #rrrrr#.
      #rrrrr#.
      #rrrrr#.
      .#####..
      ........
  )"));
}

TEST(ShapeTest, EllipseOutlineIsClosedAcrossRowJumps) {
  EXPECT_EQ(DrawOn(11, 11, [](Canvas& c) { c.Ellipse(Rect{0, 0, 11, 11}, Pen{kBlack}, Brush::Solid(kRed)); }),
            Expected(R"(
      ...#####...
      ..#rrrrr#..
      .#rrrrrrr#.
      #rrrrrrrrr#
      #rrrrrrrrr#
      #rrrrrrrrr#
      #rrrrrrrrr#
      #rrrrrrrrr#
      .#rrrrrrr#.
      ..#rrrrr#..
      ...#####...
  )"));
}

TEST(ShapeTest, EllipseIsSymmetricForOddAndEvenBoxes) {
  for (int w = 1; w <= 40; ++w) {
    for (int h : {1, 2, 3, 7, 24, 47}) {
      Raster raster(w, h, kWhite);
      Canvas canvas(raster);
      canvas.Ellipse(Rect{0, 0, w, h}, Pen{kBlack}, Brush::Solid(kRed));
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          ASSERT_EQ(raster.GetPixel(x, y), raster.GetPixel(w - 1 - x, y)) << w << "x" << h;
          ASSERT_EQ(raster.GetPixel(x, y), raster.GetPixel(x, h - 1 - y)) << w << "x" << h;
        }
      }
      // A centre column or row reaches the box's edges.
      if (w % 2 == 1) {
        EXPECT_EQ(raster.GetPixel(w / 2, 0), kBlack) << w << "x" << h;
      }
      if (h % 2 == 1) {
        EXPECT_EQ(raster.GetPixel(0, h / 2), kBlack) << w << "x" << h;
      }
    }
  }
}

TEST(ShapeTest, RoundRectCornersAreQuarterEllipses) {
  EXPECT_EQ(DrawOn(8, 6, [](Canvas& c) { c.RoundRect(Rect{0, 0, 8, 6}, 4, 4, Pen{kBlack}, Brush::Solid(kRed)); }),
            Expected(R"(
      .######.
      #rrrrrr#
      #rrrrrr#
      #rrrrrr#
      #rrrrrr#
      .######.
  )"));
}

TEST(ShapeTest, ArcsRunCounterClockwise) {
  // From the right to the left through the top: the upper half and the centre row.
  EXPECT_EQ(DrawOn(7, 7, [](Canvas& c) { c.Arc(Rect{0, 0, 7, 7}, {7, 4}, {0, 4}, Pen{kBlack}); }), Expected(R"(
      ..###..
      .#...#.
      #.....#
      #.....#
      .......
      .......
      .......
  )"));
  // From the left to the right through the bottom: a smile.
  EXPECT_EQ(DrawOn(7, 7, [](Canvas& c) { c.Arc(Rect{0, 0, 7, 7}, {0, 4}, {7, 4}, Pen{kBlack}); }), Expected(R"(
      .......
      .......
      .......
      .......
      #.....#
      .#...#.
      ..###..
  )"));
}

TEST(ShapeTest, ArcWithEqualRaysIsTheWholeOutline) {
  EXPECT_EQ(DrawOn(5, 5, [](Canvas& c) { c.Arc(Rect{0, 0, 5, 5}, {2, 0}, {2, 0}, Pen{kBlack}); }), Expected(R"(
      .###.
      #...#
      #...#
      #...#
      .###.
  )"));
}

TEST(ShapeTest, HugeAndInvertedShapesDoNotCrash) {
  Raster raster(16, 16, kWhite);
  Canvas canvas(raster);
  const Rect boxes[] = {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {5, 5, -5, -5}, {-100, 3, 100, 13},
                        {0, 0, 0, 0}, {INT_MAX - 1, 0, INT_MAX, 5}};
  for (const Rect& box : boxes) {
    canvas.Ellipse(box, Pen{kBlack}, Brush::Solid(kRed));
    canvas.RoundRect(box, INT_MAX, INT_MIN, Pen{kBlack}, Brush::Solid(kRed));
    canvas.Arc(box, {INT_MIN, 0}, {INT_MAX, 1}, Pen{kBlack});
    canvas.Rectangle(box, Pen{kBlack}, Brush::Null());
  }
  EXPECT_EQ(raster.GetPixel(8, 8), kRed);
}

}  // namespace
}  // namespace tenukiro
