#include <gtest/gtest.h>

#include "sphere/lighting_parameters.h"
#include "sphere/gl_sphere_scene.h"

namespace tenukiro {
namespace {

class LightingParametersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(context_.Create());
    ASSERT_TRUE(context_.Begin(5, 5));
    context_.SetViewport(5, 5);
  }

  GlSphereScene context_;
  LightingParameters& block_ = SharedLightingParameters();
};

TEST_F(LightingParametersTest, ColourOperationsScaleAsTheSceneExpects) {
  context_.SetDiffuseColour(Rgb(255, 102, 0));
  EXPECT_FLOAT_EQ(block_.lightDiffuse[0], 255 * 0.009803922f);
  EXPECT_FLOAT_EQ(block_.lightDiffuse[1], 1.0f);
  EXPECT_FLOAT_EQ(block_.lightDiffuse[2], 0.0f);
  EXPECT_FLOAT_EQ(block_.lightDiffuse[3], 1.0f);
  context_.SetSpecular(30);
  EXPECT_FLOAT_EQ(block_.lightSpecular[0], 3.0f);
  EXPECT_FLOAT_EQ(block_.lightSpecular[2], 3.0f);
  EXPECT_FLOAT_EQ(block_.lightSpecular[3], 1.0f);
  context_.SetAmbient(1000);
  EXPECT_FLOAT_EQ(block_.lightAmbient[1], 100.0f);
  EXPECT_FLOAT_EQ(block_.lightAmbient[3], 1.0f);
}

TEST_F(LightingParametersTest, SettingTheViewportRestoresEveryDefault) {
  context_.SetDiffuseColour(Rgb(1, 2, 3));
  context_.SetSpecular(0);
  context_.SetAmbient(10);
  block_.eyeDistance = 5;
  block_.constantAttenuation = 1;
  block_.lightPosition[0] = 0;
  context_.SetViewport(7, 3);
  const LightingParameters defaults;
  EXPECT_EQ(block_.eyeDistance, defaults.eyeDistance);
  EXPECT_EQ(block_.lightPosition, defaults.lightPosition);
  EXPECT_EQ(block_.lightAmbient, defaults.lightAmbient);
  EXPECT_EQ(block_.lightDiffuse, defaults.lightDiffuse);
  EXPECT_EQ(block_.lightSpecular, defaults.lightSpecular);
  EXPECT_EQ(block_.constantAttenuation, defaults.constantAttenuation);
}

TEST(OffscreenGlContextTest, NothingRendersWithoutACreatedContext) {
  GlSphereScene context;
  EXPECT_FALSE(context.Begin(5, 5));
  ASSERT_TRUE(context.Create());
  EXPECT_TRUE(context.Create());
  EXPECT_FALSE(context.Begin(0, 5));
  EXPECT_FALSE(context.Begin(5, -1));
  context.Release();
  EXPECT_FALSE(context.Begin(5, 5));
  context.Release();
}

TEST(OffscreenGlContextTest, ReadingIntoAnImageOfAnotherSizeDoesNothing) {
  GlSphereScene context;
  ASSERT_TRUE(context.Create());
  ASSERT_TRUE(context.Begin(5, 5));
  context.SetViewport(5, 5);
  context.SetClearColour(Rgb(0, 0, 0));
  context.Finish();
  Raster other(4, 5, Rgb(7, 7, 7));
  context.ReadPixels(other);
  EXPECT_EQ(other.GetPixel(0, 0), Rgb(7, 7, 7));
  Raster same(5, 5, Rgb(7, 7, 7));
  context.ReadPixels(same);
  EXPECT_EQ(same.GetPixel(0, 0), Rgb(0, 0, 0));
}

Raster RenderOnce(GlSphereScene& context, int side) {
  Raster image(side, side);
  if (!context.Begin(side, side)) return image;
  context.SetViewport(side, side);
  context.SetDiffuseColour(Rgb(200, 40, 40));
  context.SetClearColour(Rgb(0, 0, 255));
  context.Finish();
  context.ReadPixels(image);
  return image;
}

TEST(OffscreenGlContextTest, AContextMadeAgainAfterAReleaseRendersTheSame) {
  GlSphereScene context;
  ASSERT_TRUE(context.Create());
  const Raster first = RenderOnce(context, 15);
  context.Release();
  ASSERT_TRUE(context.Create());
  const Raster second = RenderOnce(context, 15);
  EXPECT_EQ(first.GetPixel(0, 0), Rgb(0, 0, 255));
  EXPECT_NE(first.GetPixel(7, 7), Rgb(0, 0, 255));
  for (int y = 0; y < 15; ++y) {
    for (int x = 0; x < 15; ++x) EXPECT_EQ(second.GetPixel(x, y), first.GetPixel(x, y)) << x << "," << y;
  }
}

}  // namespace
}  // namespace tenukiro
