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
  CopyBottomUpBgra(bgra, 2, image);
  EXPECT_EQ(image.GetPixel(0, 0), Rgb(9, 8, 7));
  EXPECT_EQ(image.GetPixel(1, 0), Rgb(12, 11, 10));
  EXPECT_EQ(image.GetPixel(0, 1), Rgb(3, 2, 1));
  EXPECT_EQ(image.GetPixel(1, 1), Rgb(6, 5, 4));
}

TEST(BgraImageTest, TheImageIsTheBottomLeftCornerOfAWiderTallerBuffer) {
  // A 3 × 3 buffer; the 2 × 2 image is its bottom two rows, left two columns.
  std::vector<std::uint8_t> bgra(3 * 3 * 4, 0);
  auto put = [&](int x, int row, std::uint8_t red) { bgra[(row * 3 + x) * 4 + 2] = red; };
  put(0, 0, 10);  // bottom left
  put(1, 0, 11);
  put(2, 0, 99);  // beyond the image's width
  put(0, 1, 20);
  put(1, 1, 21);
  put(0, 2, 99);  // above the image
  Raster image(2, 2);
  CopyBottomUpBgra(bgra, 3, image);
  EXPECT_EQ(image.GetPixel(0, 0), Rgb(20, 0, 0));
  EXPECT_EQ(image.GetPixel(1, 0), Rgb(21, 0, 0));
  EXPECT_EQ(image.GetPixel(0, 1), Rgb(10, 0, 0));
  EXPECT_EQ(image.GetPixel(1, 1), Rgb(11, 0, 0));
}

TEST(BgraImageTest, ABufferTooSmallLeavesTheImageAlone) {
  const Color fill = Rgb(1, 2, 3);
  Raster image(2, 2, fill);
  CopyBottomUpBgra(std::vector<std::uint8_t>(12, 0), 2, image);
  CopyBottomUpBgra(std::vector<std::uint8_t>(16, 0), 1, image);
  CopyBottomUpBgra({}, 2, image);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 2; ++x) EXPECT_EQ(image.GetPixel(x, y), fill);
  }
  Raster empty;
  CopyBottomUpBgra({}, 0, empty);
  EXPECT_TRUE(empty.empty());
}

}  // namespace
}  // namespace tenukiro
