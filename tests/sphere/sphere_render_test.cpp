#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "sphere_test_support.h"

namespace tenukiro {
namespace {

using testing::Brightness;
using testing::ChannelDistance;
using testing::EllipseRadius;
using testing::GlTest;

constexpr Color kBoard = Rgb(220, 180, 100);
constexpr Color kBlackStone = Rgb(0, 0, 0);
constexpr Color kRedStone = Rgb(200, 40, 40);
constexpr Color kBlueStone = Rgb(0, 0, 200);

// The lighting model worked out for the pixel at the image's centre, which sees the sphere's
// nearest point (normal toward the eye, 27 units away) lit from the light 300 units up the z
// axis and 100 units right and up. Ambient: the global 0.2 and the light's 0.2 halved by the
// attenuation, both times the material's 0.2.
Color ExpectedCentre(Color diffuse) {
  const double cosine = 295.0 / std::sqrt(100.0 * 100.0 * 2 + 295.0 * 295.0);
  const double ambient = 255.0 * (0.2 * 0.2 + 0.2 * 0.2 / 2.0);
  auto lit = [&](int c) { return static_cast<std::uint8_t>(std::lround(c * cosine + ambient)); };
  return Rgb(lit(RedOf(diffuse)), lit(GreenOf(diffuse)), lit(BlueOf(diffuse)));
}

// The brightest pixel, and where it is.
struct Peak {
  int x = 0, y = 0;
  Color color = 0;
};
Peak BrightestPixel(const Raster& image) {
  Peak peak{0, 0, image.GetPixel(0, 0)};
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (Brightness(image.GetPixel(x, y)) > Brightness(peak.color)) peak = {x, y, image.GetPixel(x, y)};
    }
  }
  return peak;
}

using SphereShapeTest = GlTest;

TEST_F(SphereShapeTest, CornersKeepTheClearColourAtEverySize) {
  for (int side : {5, 7, 25, 49, 81}) {
    const Raster image = Render(side, side, kRedStone, kBoard, 10, 2);
    const int last = side - 1;
    EXPECT_EQ(image.GetPixel(0, 0), kBoard) << side;
    EXPECT_EQ(image.GetPixel(last, 0), kBoard) << side;
    EXPECT_EQ(image.GetPixel(0, last), kBoard) << side;
    EXPECT_EQ(image.GetPixel(last, last), kBoard) << side;
  }
}

TEST_F(SphereShapeTest, TheDiscFillsTheImageAndTouchesItsEdges) {
  const Raster image = Render(49, 49, kRedStone, kBoard, 0, 2);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const double r = EllipseRadius(image, x, y);
      if (r < 0.92) {
        EXPECT_NE(image.GetPixel(x, y), kBoard) << x << "," << y;
      }
      if (r > 1.08) {
        EXPECT_EQ(image.GetPixel(x, y), kBoard) << x << "," << y;
      }
    }
  }
  // The middle pixel of each edge is already sphere.
  EXPECT_NE(image.GetPixel(24, 0), kBoard);
  EXPECT_NE(image.GetPixel(0, 24), kBoard);
  EXPECT_NE(image.GetPixel(48, 24), kBoard);
  EXPECT_NE(image.GetPixel(24, 48), kBoard);
}

TEST_F(SphereShapeTest, ANonSquareViewportGivesAnEllipseFillingTheImage) {
  for (auto [w, h] : {std::pair{81, 41}, std::pair{17, 33}}) {
    const Raster image = Render(w, h, kRedStone, kBoard, 0, 2);
    int insideWrong = 0, outsideWrong = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const double r = EllipseRadius(image, x, y);
        if (r < 0.92 && image.GetPixel(x, y) == kBoard) ++insideWrong;
        if (r > 1.08 && image.GetPixel(x, y) != kBoard) ++outsideWrong;
      }
    }
    EXPECT_EQ(insideWrong, 0) << w << "x" << h;
    EXPECT_EQ(outsideWrong, 0) << w << "x" << h;
    EXPECT_NE(image.GetPixel(w / 2, 0), kBoard);
    EXPECT_NE(image.GetPixel(0, h / 2), kBoard);
  }
}

TEST_F(SphereShapeTest, ThreeByThreeIsAllSphere) {
  // The disc's radius is 1.003 × 1.5 pixels, so even the corner pixels' centres are on it.
  const Raster image = Render(3, 3, kRedStone, kBoard, 0, 2);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) {
      EXPECT_NE(image.GetPixel(x, y), kBoard) << x << "," << y;
      EXPECT_GT(RedOf(image.GetPixel(x, y)), GreenOf(image.GetPixel(x, y))) << x << "," << y;
    }
  }
  EXPECT_LE(ChannelDistance(image.GetPixel(1, 1), ExpectedCentre(kRedStone)), 12);
}

using SphereLightingTest = GlTest;

TEST_F(SphereLightingTest, TheCentreIsLitInTheStoneColour) {
  for (Color stone : {kRedStone, kBlueStone, Rgb(255, 255, 255), Rgb(30, 160, 90)}) {
    const Raster image = Render(81, 81, stone, kBoard, 0, 2);
    EXPECT_LE(ChannelDistance(image.GetPixel(40, 40), ExpectedCentre(stone)), 3) << std::hex << stone;
  }
}

TEST_F(SphereLightingTest, TheSideTowardTheLightIsBrighter) {
  // The light is at +x, +y; GL's rows come bottom-up, so it must show at the image's upper right.
  const Raster image = Render(49, 49, kRedStone, kBoard, 0, 2);
  EXPECT_GT(RedOf(image.GetPixel(36, 12)), RedOf(image.GetPixel(12, 36)) + 40);
  EXPECT_GT(RedOf(image.GetPixel(36, 12)), RedOf(image.GetPixel(12, 12)));
  EXPECT_GT(RedOf(image.GetPixel(36, 12)), RedOf(image.GetPixel(36, 36)));
}

TEST_F(SphereLightingTest, BrightnessZeroShowsNoHighlight) {
  const Raster image = Render(49, 49, kBlackStone, kBoard, 0, 2);
  for (int y = 0; y < 49; ++y) {
    for (int x = 0; x < 49; ++x) {
      const Color c = image.GetPixel(x, y);
      if (c != kBoard) {
        EXPECT_LE(ChannelDistance(c, ExpectedCentre(kBlackStone)), 1) << x << "," << y;
      }
    }
  }
}

TEST_F(SphereLightingTest, BrightnessTenAddsAWhiteHighlightTowardTheLight) {
  const Raster dull = Render(49, 49, kBlueStone, kBoard, 0, 2);
  const Raster shiny = Render(49, 49, kBlueStone, kBoard, 10, 2);
  const Peak peak = BrightestPixel(shiny);
  EXPECT_GT(peak.x, 24);
  EXPECT_LT(peak.y, 24);
  // Specular light adds the same to every channel: red and green rise from the ambient alone.
  const Color under = dull.GetPixel(peak.x, peak.y);
  EXPECT_GT(RedOf(peak.color), RedOf(under) + 80);
  EXPECT_LE(std::abs(RedOf(peak.color) - GreenOf(peak.color)), 1);
  EXPECT_EQ(BlueOf(peak.color), 255);
}

TEST_F(SphereLightingTest, HighBrightnessSaturatesTheHighlightToWhite) {
  const Raster image = Render(49, 49, kBlackStone, kBoard, 10000, 2);
  EXPECT_EQ(BrightestPixel(image).color, Rgb(255, 255, 255));
  // The white patch leans toward the light: more of it right of and above the centre.
  int right = 0, left = 0, above = 0, below = 0;
  for (int y = 0; y < 49; ++y) {
    for (int x = 0; x < 49; ++x) {
      if (image.GetPixel(x, y) != Rgb(255, 255, 255)) continue;
      (x > 24 ? right : left) += x != 24;
      (y < 24 ? above : below) += y != 24;
    }
  }
  EXPECT_GT(right, left);
  EXPECT_GT(above, below);
}

using SphereInputTest = GlTest;

TEST_F(SphereInputTest, EmptyAndOversizedImagesAreRefusedAndLeftAlone) {
  Raster empty;
  EXPECT_FALSE(renderer_.RenderSphere(empty, kRedStone, kBoard, 10, 2));
  Raster wide(OffscreenGlContext::kMaxSide + 1, 1, kBoard);
  EXPECT_FALSE(renderer_.RenderSphere(wide, kRedStone, 0, 10, 2));
  EXPECT_EQ(wide.GetPixel(0, 0), kBoard);
  Raster tall(1, OffscreenGlContext::kMaxSide + 1, kBoard);
  EXPECT_FALSE(renderer_.RenderClear(tall, 0));
  EXPECT_EQ(tall.GetPixel(0, 0), kBoard);
}

TEST_F(SphereInputTest, OnlyTheLowThreeBytesOfAColourCount) {
  const Raster plain = Render(9, 9, kRedStone, kBoard, 10, 2);
  const Raster high = Render(9, 9, kRedStone | 0xFF000000u, kBoard | 0xFF000000u, 10, 2);
  EXPECT_EQ(high.GetPixel(0, 0), kBoard);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) EXPECT_EQ(plain.GetPixel(x, y), high.GetPixel(x, y));
  }
}

TEST_F(SphereInputTest, LevelsOutOfRangeAreBroughtIntoRange) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const Raster zero = Render(9, 9, kRedStone, kBoard, 0, 0);
  const Raster top = Render(9, 9, kRedStone, kBoard, 10000, 10000);
  const Raster odd = Render(9, 9, kRedStone, kBoard, nan, -5);
  const Raster huge = Render(9, 9, kRedStone, kBoard, inf, inf);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) {
      EXPECT_EQ(odd.GetPixel(x, y), zero.GetPixel(x, y));
      EXPECT_EQ(huge.GetPixel(x, y), top.GetPixel(x, y));
    }
  }
}

using SphereContextTest = GlTest;

TEST_F(SphereContextTest, OneContextServesImageAfterImageWithoutCarryingStateOver) {
  const Raster first = Render(25, 25, kRedStone, kBoard, 10, 2);
  Render(81, 41, Rgb(255, 255, 255), 0, 0, 1000);
  Raster cleared(7, 7);
  ASSERT_TRUE(renderer_.RenderClear(cleared, Rgb(1, 2, 3)));
  Render(3, 3, kBlueStone, Rgb(9, 9, 9), 10000, 10);
  const Raster again = Render(25, 25, kRedStone, kBoard, 10, 2);
  for (int y = 0; y < 25; ++y) {
    for (int x = 0; x < 25; ++x) EXPECT_EQ(again.GetPixel(x, y), first.GetPixel(x, y)) << x << "," << y;
  }
}

TEST_F(SphereContextTest, ClearFillsEveryPixelWithTheColour) {
  for (Color c : {Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(1, 128, 254), kBoard}) {
    Raster image(13, 6);
    ASSERT_TRUE(renderer_.RenderClear(image, c));
    for (int y = 0; y < 6; ++y) {
      for (int x = 0; x < 13; ++x) EXPECT_EQ(image.GetPixel(x, y), c);
    }
  }
}

}  // namespace
}  // namespace tenukiro
