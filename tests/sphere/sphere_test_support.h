#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "render/raster.h"
#include "sphere/gl_sphere_renderer.h"

namespace tenukiro::testing {

// Colour distance as the largest channel difference.
inline int ChannelDistance(Color a, Color b) {
  const int dr = std::abs(RedOf(a) - RedOf(b));
  const int dg = std::abs(GreenOf(a) - GreenOf(b));
  const int db = std::abs(BlueOf(a) - BlueOf(b));
  return std::max(dr, std::max(dg, db));
}

inline int Brightness(Color c) { return RedOf(c) + GreenOf(c) + BlueOf(c); }

// Where a pixel centre lies relative to the ellipse inscribed in the image: below 1 inside.
inline double EllipseRadius(const Raster& image, int x, int y) {
  const double ax = image.width() / 2.0, ay = image.height() / 2.0;
  const double dx = (x + 0.5 - ax) / ax, dy = (y + 0.5 - ay) / ay;
  return dx * dx + dy * dy;
}

// Every test program must really render: a GL that draws nothing would make most checks vacuous.
class GlTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(renderer_.SelfTest()) << "GL does not render in this process"; }

  Raster Render(int width, int height, Color diffuse, Color clear, double specular, double ambient) {
    Raster image(width, height);
    EXPECT_TRUE(renderer_.RenderSphere(image, diffuse, clear, specular, ambient));
    return image;
  }

  GlSphereRenderer renderer_;
};

}  // namespace tenukiro::testing
