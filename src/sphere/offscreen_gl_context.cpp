#include "sphere/offscreen_gl_context.h"

#include <GL/osmesa.h>
#include <GL/glu.h>

#include <algorithm>
#include <cstddef>

#include "sphere/bgra_image.h"

namespace tenukiro {
namespace {

constexpr GLint kDepthBits = 32;
constexpr double kFieldOfViewDegrees = 17.32;
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 30.0;
constexpr int kDefaultViewportSide = 200;
// Every user overrides this clear colour; it only shows if one forgets to.
constexpr GLclampf kDefaultClear[4] = {0.99f, 0.66f, 0.33f, 1.0f};
// A diffuse light of c/102 times the default reflectance 0.8, halved by the attenuation 2.0,
// lights a surface facing the light in exactly the colour c.
constexpr float kDiffuseScale = 0.009803922f;
constexpr float kClearScale = 0.003921569f;

void SetGrey(LightingParameters::Rgba& rgba, double level) {
  const auto value = static_cast<float>(0.1 * level);
  rgba = {value, value, value, 1.0f};
}

}  // namespace

OffscreenGlContext::~OffscreenGlContext() { Release(); }

bool OffscreenGlContext::Create() {
  if (context_ == nullptr) context_ = OSMesaCreateContextExt(OSMESA_BGRA, kDepthBits, 0, 0, nullptr);
  return context_ != nullptr;
}

bool OffscreenGlContext::Begin(int width, int height) {
  if (context_ == nullptr || width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return false;
  PrepareTarget(width, height);
  if (!MakeCurrent()) return false;
  Setup();
  return true;
}

void OffscreenGlContext::Finish() {
  if (!MakeCurrent()) return;
  Draw();
  // The renderer works on threads of its own: glFlush alone may return before the pixels land.
  glFinish();
}

void OffscreenGlContext::ReadPixels(Raster& image) const {
  if (image.width() != width_ || image.height() != height_) return;
  CopyBottomUpBgra(target_, targetWidth_, image);
}

void OffscreenGlContext::Release() {
  if (context_ == nullptr) return;
  if (OSMesaGetCurrentContext() == context_) OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0);
  OSMesaDestroyContext(context_);
  context_ = nullptr;
  target_.clear();
  targetWidth_ = targetHeight_ = width_ = height_ = 0;
}

void OffscreenGlContext::PrepareTarget(int width, int height) {
  width_ = width;
  height_ = height;
  if (width > targetWidth_ || height > targetHeight_) {
    targetWidth_ = std::max(width, targetWidth_);
    targetHeight_ = std::max(height, targetHeight_);
    target_.resize(static_cast<std::size_t>(targetWidth_) * static_cast<std::size_t>(targetHeight_) * 4);
  }
  // Zeroed so that a GL that silently draws nothing leaves a black image the self-test catches.
  std::fill(target_.begin(), target_.end(), std::uint8_t{0});
}

bool OffscreenGlContext::MakeCurrent() {
  if (context_ == nullptr || target_.empty()) return false;
  // Rebinding every time is cheap and follows the target when it was reallocated.
  return OSMesaMakeCurrent(context_, target_.data(), GL_UNSIGNED_BYTE, targetWidth_, targetHeight_) == GL_TRUE;
}

void OffscreenGlContext::DefaultSetup() {
  SetViewport(kDefaultViewportSide, kDefaultViewportSide);
  glClearColor(kDefaultClear[0], kDefaultClear[1], kDefaultClear[2], kDefaultClear[3]);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void OffscreenGlContext::SetViewport(int width, int height) {
  SharedLightingParameters() = LightingParameters{};
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // The aspect stays 1 whatever the viewport's shape, so a wide viewport stretches the sphere
  // into an ellipse that fills it.
  gluPerspective(kFieldOfViewDegrees, 1.0, kNearPlane, kFarPlane);
  glViewport(0, 0, width, height);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
}

void OffscreenGlContext::SetDiffuseColour(Color c) {
  SharedLightingParameters().lightDiffuse = {RedOf(c) * kDiffuseScale, GreenOf(c) * kDiffuseScale,
                                             BlueOf(c) * kDiffuseScale, 1.0f};
}

void OffscreenGlContext::SetClearColour(Color c) {
  glClearColor(RedOf(c) * kClearScale, GreenOf(c) * kClearScale, BlueOf(c) * kClearScale, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void OffscreenGlContext::SetSpecular(double level) { SetGrey(SharedLightingParameters().lightSpecular, level); }

void OffscreenGlContext::SetAmbient(double level) { SetGrey(SharedLightingParameters().lightAmbient, level); }

}  // namespace tenukiro
