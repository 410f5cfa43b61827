// The scene operations, the same for every platform's GL context.
#include "sphere/offscreen_gl_context.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace tenukiro {
namespace {

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
