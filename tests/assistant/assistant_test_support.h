#pragma once

#include <climits>
#include <vector>

#include "assistant/assistant.h"
#include "render/raster.h"
#include "render/sphere_image_renderer.h"

namespace tenukiro::testing {

inline constexpr Color kScreen = Rgb(128, 128, 128);
inline constexpr Color kBody = Rgb(0, 200, 0);
inline constexpr Color kIntern = Rgb(255, 0, 0);
inline constexpr Color kExternal = Rgb(0, 0, 255);
inline constexpr Color kOnomatopoeia = Rgb(255, 0, 255);
inline constexpr Color kText = Rgb(0, 0, 0);
inline constexpr Color kBalloon = Rgb(255, 255, 255);

inline AssistantColours TestColours() {
  return AssistantColours{kBody, kIntern, kExternal, kOnomatopoeia, kText, kBalloon};
}

// Paints the ellipse inscribed in the image in the diffuse colour on the clear colour, without
// shading: enough to see where the shaded look puts its images.
class FlatSphere : public SphereImageRenderer {
 public:
  bool RenderSphere(Raster& image, Color diffuse, Color clear, double, double) override {
    const double w = image.width(), h = image.height();
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const double dx = (2 * x + 1 - w) / w, dy = (2 * y + 1 - h) / h;
        image.SetPixel(x, y, dx * dx + dy * dy < 1 ? diffuse : clear);
      }
    }
    return true;
  }
};

// The rows and columns where a colour occurs; empty (left > right) when nowhere.
inline Rect ExtentOf(const Raster& raster, Color c, const Rect& within) {
  Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = std::max(within.top, 0); y < std::min(within.bottom, raster.height()); ++y) {
    for (int x = std::max(within.left, 0); x < std::min(within.right, raster.width()); ++x) {
      if (raster.GetPixel(x, y) != c) continue;
      box = Rect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    }
  }
  return box;
}

inline Rect ExtentOf(const Raster& raster, Color c) { return ExtentOf(raster, c, raster.Bounds()); }

inline int CountOf(const Raster& raster, Color c) {
  int n = 0;
  for (int y = 0; y < raster.height(); ++y) {
    for (int x = 0; x < raster.width(); ++x) n += raster.GetPixel(x, y) == c;
  }
  return n;
}

}  // namespace tenukiro::testing
