#include <gtest/gtest.h>

#include "golden/golden_image.h"

namespace tenukiro::testing {
namespace {

// A 10x10 grey picture with `count` pixels of the first row raised by `by` in green.
Raster Changed(int count, int by) {
  Raster r(10, 10, Rgb(100, 100, 100));
  for (int x = 0; x < count; ++x) r.SetPixel(x, 0, Rgb(100, 100 + by, 100));
  return r;
}

TEST(GoldenImageTest, ComparesWithinTheStatedTolerance) {
  struct Case {
    int count, by;
    Tolerance tolerance;
    bool same;
  };
  const Case cases[] = {
      {0, 0, {}, true},            // the same picture
      {1, 1, {}, false},           // one level in one pixel fails an exact comparison
      {1, 5, {5, 10}, true},       // one pixel in a hundred, within the slack
      {1, 6, {5, 10}, false},      // beyond the slack
      {2, 1, {5, 10}, false},      // two pixels in a hundred are more than ten per thousand
      {10, 1, {255, 100}, true},   // a whole row, a tenth of the picture
      {10, 1, {255, 99}, false},   // a whole row is more than 99 per thousand
  };
  const Raster expected = Changed(0, 0);
  for (const Case& c : cases) {
    const Comparison result = Compare(expected, Changed(c.count, c.by), c.tolerance);
    EXPECT_EQ(result.same, c.same) << c.count << " pixels by " << c.by;
    EXPECT_EQ(result.changedPixels, c.count);
    EXPECT_EQ(result.largestDifference, c.by);
  }
}

TEST(GoldenImageTest, PicturesOfAnotherSizeDiffer) {
  const Comparison result = Compare(Raster(10, 10), Raster(10, 9), {255, 1000});
  EXPECT_FALSE(result.same);
  EXPECT_EQ(result.sizes, "10x9 vs 10x10");
}

TEST(GoldenImageTest, TheDiffPictureMarksChangedPixelsInRed) {
  const Raster diff = DiffPicture(Changed(0, 0), Changed(2, 1));
  EXPECT_EQ(diff.GetPixel(0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(diff.GetPixel(1, 0), Rgb(255, 0, 0));
  EXPECT_EQ(diff.GetPixel(2, 0), Rgb(25, 25, 25));
  EXPECT_EQ(diff.GetPixel(9, 9), Rgb(25, 25, 25));
}

}  // namespace
}  // namespace tenukiro::testing
