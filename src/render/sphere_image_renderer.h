#pragma once

#include "base/color.h"
#include "render/raster.h"

namespace tenukiro {

// Paints the lit sphere of the three-dimensional look (stones, the assistant's body,
// eyes and pupils) into an image. The drawing layer only knows this interface; the
// off-screen GL renderer implements it, and without one the flat look is used.
class SphereImageRenderer {
 public:
  virtual ~SphereImageRenderer() = default;

  // Renders the fixed sphere scene over the whole image (a non-square image gives
  // an ellipse filling it): `diffuse` is the sphere's colour, `clear` the colour
  // around it; the specular and ambient levels are in tenths (10 is 1.0; the
  // scene's default ambient is level 2). Returns false, leaving the image alone,
  // when nothing could be rendered.
  virtual bool RenderSphere(Raster& image, Color diffuse, Color clear, double specularLevel,
                            double ambientLevel) = 0;
};

}  // namespace tenukiro
