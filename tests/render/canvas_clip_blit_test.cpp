#include <gtest/gtest.h>

#include <climits>

#include "pixel_map.h"
#include "render/canvas.h"
#include "render/halftone.h"

namespace tenukiro {
namespace {

using testing::Expected;
using testing::kBlack;
using testing::kBlue;
using testing::kRed;
using testing::kWhite;
using testing::PixelMap;

TEST(ClipTest, ExcludedRectangleIsLeftAloneUntilGivenBack) {
  Raster raster(6, 4, kWhite);
  Canvas canvas(raster);
  canvas.ExcludeClipRect(Rect{1, 1, 3, 3});
  canvas.FillRect(raster.Bounds(), kBlack);
  EXPECT_EQ(canvas.GetPixel(1, 1), kInvalidColor);
  canvas.SetPixel(2, 2, kRed);
  EXPECT_EQ(PixelMap(raster), Expected(R"(
      ######
      #..###
      #..###
      ######
  )"));
  canvas.GiveBackClipRect(Rect{1, 1, 3, 3});
  canvas.Ellipse(Rect{0, 0, 6, 4}, Pen{kRed}, Brush::Solid(kRed));
  EXPECT_EQ(raster.GetPixel(1, 1), kRed);
  EXPECT_EQ(canvas.GetPixel(1, 1), kRed);
}

TEST(ClipTest, GivingBackPartOfAnExclusionKeepsTheRest) {
  Raster raster(5, 1, kWhite);
  Canvas canvas(raster);
  canvas.ExcludeClipRect(Rect{0, 0, 4, 1});
  canvas.GiveBackClipRect(Rect{1, 0, 2, 1});
  canvas.FillRect(raster.Bounds(), kBlack);
  EXPECT_EQ(PixelMap(raster), Expected(".#..#"));
}

TEST(ClipTest, IntersectNarrowsAndResetRestores) {
  Raster raster(4, 2, kWhite);
  Canvas canvas(raster);
  canvas.IntersectClipRect(Rect{1, 0, 3, 1});
  canvas.MoveTo({0, 0});
  canvas.LineTo({4, 0}, Pen{kBlack});
  canvas.ResetClip();
  canvas.MoveTo({0, 1});
  canvas.LineTo({4, 1}, Pen{kRed});
  EXPECT_EQ(PixelMap(raster), Expected(R"(
      .##.
      rrrr
  )"));
}

Raster Pattern() {
  Raster src(3, 2, kWhite);
  src.SetPixel(0, 0, kRed);
  src.SetPixel(1, 0, kBlack);
  src.SetPixel(2, 1, kBlue);
  return src;
}

TEST(BlitTest, CopyPlacesTheBlockAndClipsAtEveryEdge) {
  const Raster src = Pattern();
  Raster raster(4, 3, kBlack);
  Canvas canvas(raster);
  canvas.BitBlt({2, 2}, {3, 2}, src, {0, 0});
  canvas.BitBlt({-1, 0}, {3, 2}, src, {0, 0});
  EXPECT_EQ(PixelMap(raster), Expected(R"(
      #.##
      .b##
      ##r#
  )"));
}

TEST(BlitTest, OrAndAndCombineChannels) {
  Raster src(1, 1, Rgb(0x0F, 0xF0, 0x33));
  Raster raster(2, 1, Rgb(0x30, 0x0F, 0x0F));
  Canvas canvas(raster);
  canvas.BitBlt({0, 0}, {1, 1}, src, {0, 0}, RasterOp::kOr);
  canvas.BitBlt({1, 0}, {1, 1}, src, {0, 0}, RasterOp::kAnd);
  EXPECT_EQ(raster.GetPixel(0, 0), Rgb(0x3F, 0xFF, 0x3F));
  EXPECT_EQ(raster.GetPixel(1, 0), Rgb(0x00, 0x00, 0x03));
}

TEST(BlitTest, MaskThenImageComposesAShape) {
  // The masked compositing of shaded images: or a white-on-black mask, then and an image that is
  // white outside its shape.
  Raster mask(2, 1, kBlack);
  mask.SetPixel(0, 0, kWhite);
  Raster image(2, 1, kWhite);
  image.SetPixel(0, 0, kRed);
  Raster screen(2, 1, kBlue);
  Canvas canvas(screen);
  canvas.BitBlt({0, 0}, {2, 1}, mask, {0, 0}, RasterOp::kOr);
  canvas.BitBlt({0, 0}, {2, 1}, image, {0, 0}, RasterOp::kAnd);
  EXPECT_EQ(screen.GetPixel(0, 0), kRed);
  EXPECT_EQ(screen.GetPixel(1, 0), kBlue);
}

TEST(BlitTest, OverlappingCopyWithinOneRasterReadsTheOriginal) {
  Raster raster(4, 1, kWhite);
  raster.SetPixel(0, 0, kRed);
  raster.SetPixel(1, 0, kBlack);
  Canvas canvas(raster);
  canvas.BitBlt({1, 0}, {3, 1}, raster, {0, 0});
  EXPECT_EQ(PixelMap(raster), Expected("rr#."));
}

TEST(BlitTest, AbsurdPositionsAndSizesDoNothing) {
  const Raster src = Pattern();
  Raster raster(3, 3, kWhite);
  Canvas canvas(raster);
  canvas.BitBlt({INT_MAX, INT_MAX}, {INT_MAX, INT_MAX}, src, {0, 0});
  canvas.BitBlt({0, 0}, {-5, 3}, src, {0, 0});
  canvas.BitBlt({0, 0}, {3, 3}, src, {INT_MIN, INT_MAX});
  canvas.BitBlt({INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, src, {INT_MAX, INT_MAX});
  EXPECT_EQ(PixelMap(raster), Expected("...\n...\n..."));
}

TEST(HalftoneTest, TwoByTwoAveragesToOne) {
  Raster src(2, 2);
  src.SetPixel(0, 0, Rgb(0, 0, 0));
  src.SetPixel(1, 0, Rgb(100, 40, 255));
  src.SetPixel(0, 1, Rgb(200, 80, 255));
  src.SetPixel(1, 1, Rgb(100, 40, 0));
  const Raster out = HalftoneResize(src, 1, 1);
  EXPECT_EQ(out.GetPixel(0, 0), Rgb(100, 40, 128));
}

TEST(HalftoneTest, ThreeToTwoWeighsPartialPixels) {
  // Destination pixel 0 covers source 0 and half of source 1.
  Raster src(3, 1);
  src.SetPixel(0, 0, Rgb(0, 0, 0));
  src.SetPixel(1, 0, Rgb(90, 90, 90));
  src.SetPixel(2, 0, Rgb(180, 180, 180));
  const Raster out = HalftoneResize(src, 2, 1);
  EXPECT_EQ(out.GetPixel(0, 0), Rgb(30, 30, 30));
  EXPECT_EQ(out.GetPixel(1, 0), Rgb(150, 150, 150));
}

TEST(HalftoneTest, SameSizeIsACopyAndUniformStaysUniform) {
  const Raster src = Pattern();
  const Raster same = HalftoneResize(src, 3, 2);
  EXPECT_EQ(PixelMap(same), PixelMap(src));
  const Raster grey(7, 5, Rgb(12, 34, 56));
  for (const auto& [w, h] : {std::pair{1, 1}, {3, 2}, {13, 11}, {48, 48}}) {
    const Raster out = HalftoneResize(grey, w, h);
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) ASSERT_EQ(out.GetPixel(x, y), Rgb(12, 34, 56));
    }
  }
}

TEST(HalftoneTest, StretchBltClipsToTheCanvasAndSourceArea) {
  Raster src(4, 4, kRed);
  Raster raster(3, 3, kWhite);
  Canvas canvas(raster);
  canvas.ExcludeClipRect(Rect{0, 0, 1, 3});
  canvas.StretchBlt(Rect{-100, 1, 100, 1000000}, src, Rect{-5, -5, 100, 100});
  canvas.StretchBlt(Rect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, src, Rect{2, 2, 1, 1});
  EXPECT_EQ(PixelMap(raster), Expected(R"(
      ...
      .rr
      .rr
  )"));
  EXPECT_TRUE(HalftoneResize(src, 0, 5).empty());
}

}  // namespace
}  // namespace tenukiro
