#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "sphere/cached_sphere_renderer.h"
#include "sphere_test_support.h"

namespace tenukiro {
namespace {

using ::testing::_;
using ::testing::Return;

class MockRenderer : public SphereImageRenderer {
 public:
  MOCK_METHOD(bool, RenderSphere, (Raster&, Color, Color, double, double), (override));
};

// Paints the image with a colour that changes on every call, so a copy can be told from a
// rendering.
class CountingRenderer : public SphereImageRenderer {
 public:
  bool RenderSphere(Raster& image, Color, Color, double, double) override {
    ++calls;
    image = Raster(image.width(), image.height(), Rgb(static_cast<std::uint8_t>(calls), 0, 0));
    return true;
  }
  int calls = 0;
};

bool SamePixels(const Raster& a, const Raster& b) {
  if (a.width() != b.width() || a.height() != b.height()) return false;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) return false;
    }
  }
  return true;
}

TEST(CachedSphereRendererTest, TheSameRequestIsRenderedOnce) {
  CountingRenderer inner;
  CachedSphereRenderer cache(inner);
  Raster first(5, 5), second(5, 5, Rgb(9, 9, 9));
  ASSERT_TRUE(cache.RenderSphere(first, 1, 2, 10, 2));
  ASSERT_TRUE(cache.RenderSphere(second, 1, 2, 10, 2));
  EXPECT_EQ(inner.calls, 1);
  EXPECT_TRUE(SamePixels(first, second));
}

TEST(CachedSphereRendererTest, EveryPartOfTheKeyCounts) {
  CountingRenderer inner;
  CachedSphereRenderer cache(inner);
  const double nan = std::nan("");
  struct Request {
    int w, h;
    Color diffuse, clear;
    double specular, ambient;
  };
  const Request requests[] = {{5, 5, 1, 2, 10, 2}, {6, 5, 1, 2, 10, 2}, {5, 6, 1, 2, 10, 2}, {5, 5, 3, 2, 10, 2},
                              {5, 5, 1, 3, 10, 2}, {5, 5, 1, 2, 11, 2}, {5, 5, 1, 2, 10, 3}, {5, 5, 1, 2, nan, 2}};
  for (int round = 0; round < 2; ++round) {
    for (const Request& r : requests) {
      Raster image(r.w, r.h);
      ASSERT_TRUE(cache.RenderSphere(image, r.diffuse, r.clear, r.specular, r.ambient));
    }
  }
  EXPECT_EQ(inner.calls, 8);
  EXPECT_EQ(cache.entries(), 8u);
}

TEST(CachedSphereRendererTest, AFailureIsPassedOnAndNotKept) {
  MockRenderer inner;
  EXPECT_CALL(inner, RenderSphere(_, _, _, _, _)).Times(2).WillRepeatedly(Return(false));
  CachedSphereRenderer cache(inner);
  Raster image(4, 4, Rgb(5, 5, 5));
  EXPECT_FALSE(cache.RenderSphere(image, 1, 2, 3, 4));
  EXPECT_FALSE(cache.RenderSphere(image, 1, 2, 3, 4));
  EXPECT_EQ(cache.entries(), 0u);
  EXPECT_EQ(image.GetPixel(0, 0), Rgb(5, 5, 5));
}

TEST(CachedSphereRendererTest, TheLeastRecentlyUsedImageGoesFirst) {
  CountingRenderer inner;
  CachedSphereRenderer cache(inner);
  auto ask = [&](int side) {
    Raster image(side, side);
    cache.RenderSphere(image, 0, 0, 0, 0);
  };
  for (int side = 1; side <= static_cast<int>(CachedSphereRenderer::kMaxEntries); ++side) ask(side);
  ask(1);   // now the most recent
  ask(100); // evicts side 2, the oldest
  EXPECT_EQ(cache.entries(), CachedSphereRenderer::kMaxEntries);
  const int calls = inner.calls;
  ask(1);
  EXPECT_EQ(inner.calls, calls);
  ask(2);
  EXPECT_EQ(inner.calls, calls + 1);
}

TEST(CachedSphereRendererTest, TheByteBudgetHolds) {
  CountingRenderer inner;
  CachedSphereRenderer cache(inner);
  // Each image is a quarter of the budget or more; the fifth pushes the oldest out.
  const int side = 2400;
  for (int i = 0; i < 5; ++i) {
    Raster image(side, side);
    cache.RenderSphere(image, static_cast<Color>(i), 0, 0, 0);
    EXPECT_LE(cache.bytes(), CachedSphereRenderer::kMaxBytes);
  }
  EXPECT_LT(cache.entries(), 5u);
}

using CachedGlTest = testing::GlTest;

TEST_F(CachedGlTest, ACachedImageHasExactlyTheFreshPixels) {
  CachedSphereRenderer cache(renderer_);
  const struct {
    int w, h;
    Color diffuse, clear;
    double specular, ambient;
  } requests[] = {{25, 25, Rgb(20, 20, 20), Rgb(220, 180, 100), 10, 2},
                  {81, 81, Rgb(250, 250, 250), Rgb(220, 180, 100), 10, 2},
                  {353, 177, Rgb(80, 160, 230), Rgb(255, 255, 255), 0, 10},
                  {45, 45, Rgb(0, 0, 0), Rgb(255, 255, 255), 30, 10}};
  for (int round = 0; round < 2; ++round) {
    for (const auto& r : requests) {
      Raster cached(r.w, r.h), fresh(r.w, r.h);
      ASSERT_TRUE(cache.RenderSphere(cached, r.diffuse, r.clear, r.specular, r.ambient));
      ASSERT_TRUE(renderer_.RenderSphere(fresh, r.diffuse, r.clear, r.specular, r.ambient));
      EXPECT_TRUE(SamePixels(cached, fresh)) << r.w << "x" << r.h << " round " << round;
    }
  }
  EXPECT_EQ(cache.entries(), 4u);
}

}  // namespace
}  // namespace tenukiro
