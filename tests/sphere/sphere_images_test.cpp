#include <gtest/gtest.h>

#include <climits>

#include "sphere/sphere_images.h"
#include "sphere_test_support.h"

namespace tenukiro {
namespace {

using testing::Brightness;
using testing::EllipseRadius;
using testing::GlTest;

constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kBoard = Rgb(220, 180, 100);
constexpr Color kBody = Rgb(80, 160, 230);

void ExpectSize(const SphereImageParams& p, int width, int height) {
  EXPECT_EQ(p.width, width);
  EXPECT_EQ(p.height, height);
}

TEST(SphereImageListTest, StoneSizesAreTwoRPlusOneAndThreeAtRTwo) {
  ExpectSize(StoneSphereParams(2, kBlack, kBoard, 10), 3, 3);
  ExpectSize(StoneSphereParams(3, kBlack, kBoard, 10), 7, 7);
  ExpectSize(StoneSphereParams(12, kBlack, kBoard, 10), 25, 25);
  ExpectSize(StoneSphereParams(40, kBlack, kBoard, 10), 81, 81);
  const SphereImageParams p = StoneSphereParams(12, Rgb(1, 2, 3), kBoard, 37);
  EXPECT_EQ(p.diffuse, Rgb(1, 2, 3));
  EXPECT_EQ(p.clear, kBoard);
  EXPECT_EQ(p.specularLevel, 37.0);
  EXPECT_EQ(p.ambientLevel, kDefaultAmbientLevel);
}

TEST(SphereImageListTest, AssistantSizesFollowTheUnit) {
  for (int u : {1, 2, 44}) {
    ExpectSize(AssistantBodyParams(u, kBody), 8 * u + 1, 4 * u + 1);
    ExpectSize(AssistantBodyMaskParams(u), 8 * u + 1, 4 * u + 1);
    ExpectSize(AssistantEyeParams(u), 2 * u + 1, 2 * u + 1);
    ExpectSize(AssistantEyeMaskParams(u), 2 * u + 1, 2 * u + 1);
    ExpectSize(AssistantPupilParams(u), u + 1, u + 1);
    ExpectSize(AssistantPupilMaskParams(u), u + 1, u + 1);
  }
  EXPECT_EQ(AssistantBodyParams(4, kBody).diffuse, kBody);
  EXPECT_EQ(AssistantPupilParams(4).specularLevel, 30.0);
  EXPECT_EQ(AssistantBodyMaskParams(4).ambientLevel, 1000.0);
}

TEST(SphereImageListTest, BadSizesAreRefused) {
  for (int n : {0, -1, INT_MIN, INT_MAX, OffscreenGlContext::kMaxSide}) {
    EXPECT_EQ(StoneSphereParams(n, kBlack, kBoard, 10).width, 0) << n;
    EXPECT_EQ(AssistantBodyParams(n, kBody).width, 0) << n;
    EXPECT_EQ(AssistantPupilMaskParams(n).height, 0) << n;
  }
  // The body's width is refused before its height is.
  EXPECT_EQ(AssistantBodyParams(OffscreenGlContext::kMaxSide / 8, kBody).width, 0);
  EXPECT_GT(AssistantBodyParams(OffscreenGlContext::kMaxSide / 8, kBody).height, 0);
}

using SphereImagesTest = GlTest;

TEST_F(SphereImagesTest, RefusedImagesComeOutEmpty) {
  EXPECT_TRUE(MakeSphereImage(renderer_, StoneSphereParams(0, kBlack, kBoard, 10)).empty());
  EXPECT_TRUE(MakeSphereImage(renderer_, AssistantBodyParams(INT_MAX, kBody)).empty());
  AssistantSphereImages images;
  EXPECT_FALSE(MakeAssistantSphereImages(renderer_, 0, kBody, images));
  EXPECT_FALSE(MakeAssistantSphereImages(renderer_, OffscreenGlContext::kMaxSide / 8, kBody, images));
}

TEST_F(SphereImagesTest, MasksAreWhiteShapesOnBlack) {
  for (const SphereImageParams& p :
       {AssistantBodyMaskParams(6), AssistantEyeMaskParams(6), AssistantPupilMaskParams(6)}) {
    const Raster mask = MakeSphereImage(renderer_, p);
    ASSERT_FALSE(mask.empty());
    int misplaced = 0;
    for (int y = 0; y < mask.height(); ++y) {
      for (int x = 0; x < mask.width(); ++x) {
        const Color c = mask.GetPixel(x, y);
        ASSERT_TRUE(c == kWhite || c == kBlack) << x << "," << y;
        const double r = EllipseRadius(mask, x, y);
        misplaced += (r < 0.9 && c != kWhite) || (r > 1.1 && c != kBlack);
      }
    }
    EXPECT_EQ(misplaced, 0) << p.width << "x" << p.height;
    EXPECT_EQ(mask.GetPixel(0, 0), kBlack);
    EXPECT_EQ(mask.GetPixel(mask.width() / 2, mask.height() / 2), kWhite);
  }
}

TEST_F(SphereImagesTest, MaskAndImageCoverTheSamePixels) {
  // The assistant ors the mask in, then ands the image: they must agree on the shape.
  const Raster mask = MakeSphereImage(renderer_, AssistantBodyMaskParams(6));
  const Raster body = MakeSphereImage(renderer_, AssistantBodyParams(6, kBody));
  ASSERT_EQ(mask.width(), body.width());
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      if (mask.GetPixel(x, y) == kBlack) {
        EXPECT_EQ(body.GetPixel(x, y), kWhite) << x << "," << y;
      } else {
        EXPECT_NE(body.GetPixel(x, y), kWhite) << x << "," << y;
      }
    }
  }
}

TEST_F(SphereImagesTest, ImagesAreWhiteAroundTheirShape) {
  AssistantSphereImages images;
  ASSERT_TRUE(MakeAssistantSphereImages(renderer_, 8, kBody, images));
  for (const Raster* image : {&images.body, &images.eye, &images.pupil}) {
    EXPECT_EQ(image->GetPixel(0, 0), kWhite);
    EXPECT_EQ(image->GetPixel(image->width() - 1, image->height() - 1), kWhite);
  }
  const Color bodyCentre = images.body.GetPixel(32, 16);
  EXPECT_GT(BlueOf(bodyCentre), GreenOf(bodyCentre));
  EXPECT_GT(GreenOf(bodyCentre), RedOf(bodyCentre));
  // The eye is white in its middle and shaded toward its lower left edge.
  EXPECT_GT(Brightness(images.eye.GetPixel(8, 8)), Brightness(images.eye.GetPixel(3, 13)) + 60);
  // The pupil is dark with a bright highlight toward the light.
  EXPECT_LT(Brightness(images.pupil.GetPixel(2, 6)), 3 * 60);
  EXPECT_GT(Brightness(images.pupil.GetPixel(5, 3)), 3 * 200);
}

}  // namespace
}  // namespace tenukiro
