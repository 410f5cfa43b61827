#include <gtest/gtest.h>

#include "pixel_map.h"
#include "render/smooth_rim.h"

namespace tenukiro {
namespace {

using testing::Expected;
using testing::kBlack;
using testing::kWhite;
using testing::PixelMap;

// A black disc image whose background, read from pixel (0, 0), is white.
Raster BlackWithWhiteCorner(int side) {
  Raster image(side, side, kBlack);
  image.SetPixel(0, 0, kWhite);
  return image;
}

TEST(SmoothRimTest, OnlyTheRingBetweenBMinusOneAndBPlusOneChanges) {
  // n = 5: b = 2, the ring is 1 < d < 9 around (2, 2); the corners (d = 8) are just inside it,
  // and (0, 0) fades toward itself.
  Raster image = BlackWithWhiteCorner(5);
  SmoothRim(image);
  EXPECT_EQ(PixelMap(image), Expected(R"(
      .????
      ??#??
      ?###?
      ??#??
      ?????
  )"));
}

TEST(SmoothRimTest, PixelsFadeTowardTheBackgroundThreeTimesOver) {
  Raster image = BlackWithWhiteCorner(5);
  SmoothRim(image);
  // (2, 0): d = 4, inner = 1, outer = 9, so each pass takes 3/8 of the way to white:
  // 0 -> 95 -> 155 -> 192, truncating each time.
  EXPECT_EQ(image.GetPixel(2, 0), Rgb(192, 192, 192));
  // (1, 1): d = 2: 1/8 each pass: 0 -> 31 -> 59 -> 83.
  EXPECT_EQ(image.GetPixel(1, 1), Rgb(83, 83, 83));
  // Farther out is closer to the background.
  EXPECT_GT(RedOf(image.GetPixel(0, 1)), RedOf(image.GetPixel(2, 0)));
}

TEST(SmoothRimTest, EachChannelFadesToItsOwnReference) {
  Raster image(5, 5, Rgb(0, 255, 100));
  image.SetPixel(0, 0, Rgb(255, 0, 100));
  SmoothRim(image);
  // Green goes the other way, 5/8 kept each pass: 255 -> 159 -> 99 -> 61.
  EXPECT_EQ(image.GetPixel(2, 0), Rgb(192, 61, 100));
  EXPECT_EQ(image.GetPixel(2, 2), Rgb(0, 255, 100));
}

TEST(SmoothRimTest, TheRingFollowsTheSizeOfTheImage) {
  const int n = 25;  // R = 12
  Raster image = BlackWithWhiteCorner(n);
  SmoothRim(image);
  const int b = n / 2;
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      const int d = (x - b) * (x - b) + (y - b) * (y - b);
      const bool ring = (b - 1) * (b - 1) < d && d < (b + 1) * (b + 1);
      const bool corner = x == 0 && y == 0;
      EXPECT_EQ(image.GetPixel(x, y) != kBlack && !corner, ring) << x << "," << y;
    }
  }
}

TEST(SmoothRimTest, AnImageOfTheBackgroundColourStaysAsItIs) {
  const Color board = Rgb(220, 180, 100);
  Raster image(9, 9, board);
  SmoothRim(image);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) EXPECT_EQ(image.GetPixel(x, y), board);
  }
}

TEST(SmoothRimTest, DegenerateImagesAreLeftAlone) {
  Raster empty;
  SmoothRim(empty);
  EXPECT_TRUE(empty.empty());
  Raster one(1, 1, kBlack);
  SmoothRim(one);
  EXPECT_EQ(one.GetPixel(0, 0), kBlack);
  // A stone image is always square; a wide one is at least not written beyond its height.
  Raster wide(7, 5, kBlack);
  wide.SetPixel(0, 0, kWhite);
  SmoothRim(wide);
  for (int y = 0; y < 5; ++y) {
    EXPECT_EQ(wide.GetPixel(5, y), kBlack);
    EXPECT_EQ(wide.GetPixel(6, y), kBlack);
  }
}

}  // namespace
}  // namespace tenukiro
