#include "sphere/sphere_images.h"

#include <cstdint>

namespace tenukiro {
namespace {

constexpr Color kWhite = Rgb(255, 255, 255);
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr double kNoSpecular = 0.0;
// The assistant's images are lit more evenly than the stones.
constexpr double kAssistantAmbient = 10.0;
constexpr double kPupilSpecular = 30.0;
// So much ambient light saturates every pixel of the shape to white.
constexpr double kMaskAmbient = 1000.0;

// multiple · n + 1, or 0 (a refused size) when n is not positive or the side would be too large.
int Side(int n, int multiple) {
  if (n <= 0) return 0;
  const std::int64_t side = std::int64_t{multiple} * n + 1;
  return side > kMaxSphereImageSide ? 0 : static_cast<int>(side);
}

SphereImageParams Square(int side, Color diffuse, Color clear, double specular, double ambient) {
  return SphereImageParams{side, side, diffuse, clear, specular, ambient};
}

SphereImageParams Mask(int width, int height) {
  return SphereImageParams{width, height, kWhite, kBlack, kNoSpecular, kMaskAmbient};
}

int StoneSide(int stoneRadius) { return stoneRadius == 2 ? 3 : Side(stoneRadius, 2); }

}  // namespace

SphereImageParams StoneSphereParams(int stoneRadius, Color stone, Color background, int brightness) {
  return Square(StoneSide(stoneRadius), stone, background, brightness, kDefaultAmbientLevel);
}

SphereImageParams AssistantBodyParams(int unit, Color body) {
  return SphereImageParams{Side(unit, 8), Side(unit, 4), body, kWhite, kNoSpecular, kAssistantAmbient};
}

SphereImageParams AssistantBodyMaskParams(int unit) { return Mask(Side(unit, 8), Side(unit, 4)); }

SphereImageParams AssistantEyeParams(int unit) {
  return Square(Side(unit, 2), kWhite, kWhite, kNoSpecular, kAssistantAmbient);
}

SphereImageParams AssistantEyeMaskParams(int unit) { return Mask(Side(unit, 2), Side(unit, 2)); }

SphereImageParams AssistantPupilParams(int unit) {
  return Square(Side(unit, 1), kBlack, kWhite, kPupilSpecular, kAssistantAmbient);
}

SphereImageParams AssistantPupilMaskParams(int unit) { return Mask(Side(unit, 1), Side(unit, 1)); }

Raster MakeSphereImage(SphereImageRenderer& renderer, const SphereImageParams& params) {
  if (params.width <= 0 || params.height <= 0) return Raster();
  Raster image(params.width, params.height);
  if (image.empty()) return image;
  if (!renderer.RenderSphere(image, params.diffuse, params.clear, params.specularLevel, params.ambientLevel)) {
    return Raster();
  }
  return image;
}

bool MakeAssistantSphereImages(SphereImageRenderer& renderer, int unit, Color body, AssistantSphereImages& images) {
  images.body = MakeSphereImage(renderer, AssistantBodyParams(unit, body));
  images.bodyMask = MakeSphereImage(renderer, AssistantBodyMaskParams(unit));
  images.eye = MakeSphereImage(renderer, AssistantEyeParams(unit));
  images.eyeMask = MakeSphereImage(renderer, AssistantEyeMaskParams(unit));
  images.pupil = MakeSphereImage(renderer, AssistantPupilParams(unit));
  images.pupilMask = MakeSphereImage(renderer, AssistantPupilMaskParams(unit));
  return !images.body.empty() && !images.bodyMask.empty() && !images.eye.empty() && !images.eyeMask.empty() &&
         !images.pupil.empty() && !images.pupilMask.empty();
}

}  // namespace tenukiro
