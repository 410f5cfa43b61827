#include <gtest/gtest.h>

#include <vector>

#include "sphere/bgra_image.h"

namespace tenukiro {
namespace {

TEST(BgraImageTest, BottomRowComesFirstAndChannelsAreReordered) {
  // Two rows of two pixels; bytes are blue, green, red, alpha; the bottom row first.
  const std::vector<std::uint8_t> bgra = {
      1, 2, 3, 255, 4, 5, 6, 255,      // bottom row
      7, 8, 9, 255, 10, 11, 12, 255,   // top row
  };
  Raster image(2, 2);
  CopyBottomUpBgra(bgra, image);
  EXPECT_EQ(image.GetPixel(0, 0), Rgb(9, 8, 7));
  EXPECT_EQ(image.GetPixel(1, 0), Rgb(12, 11, 10));
  EXPECT_EQ(image.GetPixel(0, 1), Rgb(3, 2, 1));
  EXPECT_EQ(image.GetPixel(1, 1), Rgb(6, 5, 4));
}

TEST(BgraImageTest, ABufferOfTheWrongSizeLeavesTheImageAlone) {
  const Color fill = Rgb(1, 2, 3);
  Raster image(2, 2, fill);
  CopyBottomUpBgra(std::vector<std::uint8_t>(12, 0), image);
  CopyBottomUpBgra({}, image);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 2; ++x) EXPECT_EQ(image.GetPixel(x, y), fill);
  }
  Raster empty;
  CopyBottomUpBgra({}, empty);
  EXPECT_TRUE(empty.empty());
}

}  // namespace
}  // namespace tenukiro
