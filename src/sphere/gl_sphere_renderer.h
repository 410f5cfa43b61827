#pragma once

#include "render/sphere_image_renderer.h"
#include "sphere/gl_clear_scene.h"
#include "sphere/gl_sphere_scene.h"

namespace tenukiro {

// Renders sphere images off screen with GL. Each kind of context is made on first use and kept
// for every later image.
class GlSphereRenderer : public SphereImageRenderer {
 public:
  // Levels beyond this (and levels that are not numbers) are brought back into range.
  static constexpr double kMaxLevel = 10000.0;

  bool RenderSphere(Raster& image, Color diffuse, Color clear, double specularLevel,
                    double ambientLevel) override;
  // Fills the image with one colour through a GL clear; false, image untouched, without GL.
  bool RenderClear(Raster& image, Color clear);

  // Renders two tiny images and checks their pixels. GL can be present and still draw nothing
  // (another GL library first on the link line swallows every call), so this is the only sure
  // sign that the three-dimensional look can be used.
  bool SelfTest();

  // The process's renderer, self-tested on first use; null when GL cannot render here.
  static GlSphereRenderer* Instance();

 private:
  GlSphereScene sphere_;
  GlClearScene clear_;
};

}  // namespace tenukiro
