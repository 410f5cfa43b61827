#include "assistant/assistant_images.h"

#include "assistant/rim_blend.h"
#include "render/canvas.h"
#include "sphere/sphere_images.h"

namespace tenukiro {
namespace {

// The body under one eye, with the eye white set into it and its edge faded into the body.
Raster EyeOverBody(const Raster& body, Point at, const Raster& eyeMask, const Raster& eyeWhite) {
  const Size size{eyeWhite.width(), eyeWhite.height()};
  Raster eye(size.width, size.height);
  Raster spare(size.width, size.height);
  Canvas eyeCanvas(eye);
  Canvas spareCanvas(spare);
  eyeCanvas.BitBlt(Point{}, size, body, at);
  spareCanvas.BitBlt(Point{}, size, body, at);
  eyeCanvas.BitBlt(Point{}, size, eyeMask, Point{}, RasterOp::kOr);
  eyeCanvas.BitBlt(Point{}, size, eyeWhite, Point{}, RasterOp::kAnd);
  RimBlend(eyeCanvas, Point{}, spareCanvas, Point{}, size);
  return eye;
}

}  // namespace

bool AssistantImages::Build(SphereImageRenderer& renderer, int U, Color bodyColour) {
  AssistantSphereImages spheres;
  if (!MakeAssistantSphereImages(renderer, U, bodyColour, spheres)) return false;
  body = std::move(spheres.body);
  bodyMask = std::move(spheres.bodyMask);
  bodyWork = Raster(body.width(), body.height());
  eyeMask = std::move(spheres.eyeMask);
  leftEye = EyeOverBody(body, Point{U, U}, eyeMask, spheres.eye);
  rightEye = EyeOverBody(body, Point{5 * U, U}, eyeMask, spheres.eye);
  pupil = std::move(spheres.pupil);
  pupilMask = std::move(spheres.pupilMask);
  pupilWork = Raster(pupil.width(), pupil.height());
  return !bodyWork.empty() && !pupilWork.empty();
}

}  // namespace tenukiro
