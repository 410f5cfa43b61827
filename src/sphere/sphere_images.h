#pragma once

#include "base/color.h"
#include "render/raster.h"
#include "render/sphere_image_renderer.h"

namespace tenukiro {

// Everything that decides the pixels of one sphere image.
struct SphereImageParams {
  int width = 0;
  int height = 0;
  Color diffuse = 0;
  Color clear = 0;
  double specularLevel = 0.0;
  double ambientLevel = 0.0;
};

// Larger images are refused: the sphere images of any real screen are far smaller.
inline constexpr int kMaxSphereImageSide = 4096;

// The scene's own ambient level, which the stones keep.
inline constexpr double kDefaultAmbientLevel = 2.0;

// A stone of radius R: (2R + 1) square, but 3 × 3 at R = 2, where the drawing code frames it with
// a one-pixel border. `brightness` is StoneBrightness, the specular level.
SphereImageParams StoneSphereParams(int stoneRadius, Color stone, Color background, int brightness);

// The assistant's images for its unit U. An image is white around its shape; a mask is its shape
// in white on black.
SphereImageParams AssistantBodyParams(int unit, Color body);
SphereImageParams AssistantBodyMaskParams(int unit);
SphereImageParams AssistantEyeParams(int unit);
SphereImageParams AssistantEyeMaskParams(int unit);
SphereImageParams AssistantPupilParams(int unit);
SphereImageParams AssistantPupilMaskParams(int unit);

// Renders one image; empty when its size is refused or nothing could be rendered.
Raster MakeSphereImage(SphereImageRenderer& renderer, const SphereImageParams& params);

struct AssistantSphereImages {
  Raster body, bodyMask, eye, eyeMask, pupil, pupilMask;
};

// All six assistant images, or false (with `images` unspecified) when any of them fails.
bool MakeAssistantSphereImages(SphereImageRenderer& renderer, int unit, Color body, AssistantSphereImages& images);

}  // namespace tenukiro
