#pragma once

#include "base/color.h"
#include "render/raster.h"
#include "render/sphere_image_renderer.h"

namespace tenukiro {

// The shaded images of the assistant's three-dimensional look for one unit U. An image is white
// around its shape, a mask is its shape in white on black; the eye images already hold the body
// around the eye white, so that they can be laid over the drawn body.
struct AssistantImages {
  Raster body, bodyMask, bodyWork;            // (8U + 1) x (4U + 1)
  Raster eyeMask, leftEye, rightEye;          // (2U + 1) square
  Raster pupil, pupilMask, pupilWork;         // (U + 1) square

  // Renders every image; false (the images then unspecified) when any of them cannot be had.
  bool Build(SphereImageRenderer& renderer, int U, Color bodyColour);
};

}  // namespace tenukiro
