#pragma once

#include "render/raster.h"
#include "render/sphere_image_renderer.h"

namespace tenukiro::testing {

// Paints the ellipse inscribed in the image in the diffuse colour on the clear colour, without
// shading: enough to see where the shaded look puts stones and the assistant's images, without GL.
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

}  // namespace tenukiro::testing
