#include "render/raster.h"

#include <gtest/gtest.h>

#include <climits>

#include "render/cell_image.h"

namespace tenukiro {
namespace {

TEST(RasterTest, ColoursAreLaidOutLikeColorref) {
  EXPECT_EQ(Rgb(0x12, 0x34, 0x56), 0x563412u);
  EXPECT_EQ(RedOf(0x563412u), 0x12);
  EXPECT_EQ(GreenOf(0x563412u), 0x34);
  EXPECT_EQ(BlueOf(0x563412u), 0x56);
}

TEST(RasterTest, StoresRedGreenBlueBytesTopDown) {
  Raster raster(2, 2, Rgb(1, 2, 3));
  raster.SetPixel(1, 1, Rgb(7, 8, 9));
  EXPECT_EQ(raster.data()[0], 1);
  EXPECT_EQ(raster.data()[2], 3);
  EXPECT_EQ(raster.Row(1)[3], 7);
  EXPECT_EQ(raster.Row(1)[5], 9);
  EXPECT_EQ(raster.GetPixel(1, 1), Rgb(7, 8, 9));
}

TEST(RasterTest, AccessOutsideIsHarmless) {
  Raster raster(3, 2, Rgb(5, 5, 5));
  for (const auto& [x, y] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}, {INT_MIN, INT_MAX}}) {
    raster.SetPixel(x, y, Rgb(9, 9, 9));
    EXPECT_EQ(raster.GetPixel(x, y), kInvalidColor);
  }
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(raster.GetPixel(x, y), Rgb(5, 5, 5));
  }
}

TEST(RasterTest, RefusesImpossibleSizes) {
  for (const auto& [w, h] : {std::pair{0, 5}, {5, 0}, {-3, 4}, {Raster::kMaxSide + 1, 1}, {INT_MAX, INT_MAX}}) {
    const Raster raster(w, h);
    EXPECT_TRUE(raster.empty());
    EXPECT_EQ(raster.width(), 0);
  }
}

TEST(CellImageTest, HasItsOwnCanvasOnItsRaster) {
  CellImage image(5, 5, Rgb(1, 1, 1));
  image.canvas().FillRect(Rect{1, 1, 3, 3}, Rgb(2, 2, 2));
  EXPECT_EQ(image.raster().GetPixel(2, 2), Rgb(2, 2, 2));
  EXPECT_EQ(image.raster().GetPixel(3, 3), Rgb(1, 1, 1));
  EXPECT_EQ(image.width(), 5);
}

}  // namespace
}  // namespace tenukiro
