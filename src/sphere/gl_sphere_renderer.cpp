#include "sphere/gl_sphere_renderer.h"

#include <algorithm>
#include <cmath>

namespace tenukiro {
namespace {

double SaneLevel(double level) {
  return std::isnan(level) ? 0.0 : std::clamp(level, 0.0, GlSphereRenderer::kMaxLevel);
}

bool BeginImage(OffscreenGlContext& context, const Raster& image) {
  return !image.empty() && context.Create() && context.Begin(image.width(), image.height());
}

// The checks use colours a silent GL could not leave behind in its zeroed target.
bool ClearWorks(GlSphereRenderer& renderer) {
  constexpr Color kProbe = Rgb(17, 99, 201);
  Raster pixel(1, 1);
  return renderer.RenderClear(pixel, kProbe) && pixel.GetPixel(0, 0) == kProbe;
}

bool SphereWorks(GlSphereRenderer& renderer) {
  constexpr Color kBackground = Rgb(0, 0, 255);
  constexpr int kSide = 5;
  Raster image(kSide, kSide);
  if (!renderer.RenderSphere(image, Rgb(255, 255, 255), kBackground, 0.0, 2.0)) return false;
  const Color centre = image.GetPixel(kSide / 2, kSide / 2);
  return image.GetPixel(0, 0) == kBackground && RedOf(centre) > 128 && RedOf(centre) == BlueOf(centre);
}

}  // namespace

bool GlSphereRenderer::RenderSphere(Raster& image, Color diffuse, Color clear, double specularLevel,
                                    double ambientLevel) {
  if (!BeginImage(sphere_, image)) return false;
  sphere_.SetViewport(image.width(), image.height());
  sphere_.SetDiffuseColour(diffuse);
  sphere_.SetClearColour(clear);
  sphere_.SetSpecular(SaneLevel(specularLevel));
  sphere_.SetAmbient(SaneLevel(ambientLevel));
  sphere_.Finish();
  sphere_.ReadPixels(image);
  return true;
}

bool GlSphereRenderer::RenderClear(Raster& image, Color clear) {
  if (!BeginImage(clear_, image)) return false;
  clear_.SetViewport(image.width(), image.height());
  clear_.SetClearColour(clear);
  clear_.Finish();
  clear_.ReadPixels(image);
  return true;
}

bool GlSphereRenderer::SelfTest() { return ClearWorks(*this) && SphereWorks(*this); }

GlSphereRenderer* GlSphereRenderer::Instance() {
  // Never destroyed: tearing a GL context down after the GL library's own exit handlers ran is
  // not safe, and the process is ending anyway.
  static GlSphereRenderer* const renderer = new GlSphereRenderer;
  static const bool works = renderer->SelfTest();
  return works ? renderer : nullptr;
}

}  // namespace tenukiro
