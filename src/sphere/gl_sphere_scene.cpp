#include "sphere/gl_sphere_scene.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace tenukiro {
namespace {

constexpr GLfloat kMaterialSpecular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr GLfloat kShininess = 32.0f;
constexpr GLdouble kSphereRadius = 5.0;
constexpr GLint kSlices = 120;
constexpr GLint kStacks = 120;

void SetMaterial() {
  // Ambient and diffuse reflectance keep GL's defaults (0.2 and 0.8), which the colour
  // operations are scaled for.
  glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, kMaterialSpecular);
  glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, kShininess);
}

void SetLight(const LightingParameters& light) {
  glLightfv(GL_LIGHT0, GL_POSITION, light.lightPosition.data());
  glLightfv(GL_LIGHT0, GL_AMBIENT, light.lightAmbient.data());
  glLightfv(GL_LIGHT0, GL_DIFFUSE, light.lightDiffuse.data());
  glLightfv(GL_LIGHT0, GL_SPECULAR, light.lightSpecular.data());
  glLightf(GL_LIGHT0, GL_CONSTANT_ATTENUATION, light.constantAttenuation);
}

void DrawQuadricSphere() {
  GLUquadric* quadric = gluNewQuadric();
  if (quadric == nullptr) return;
  gluQuadricNormals(quadric, GLU_SMOOTH);
  gluQuadricTexture(quadric, GL_FALSE);
  gluQuadricOrientation(quadric, GLU_OUTSIDE);
  gluQuadricDrawStyle(quadric, GLU_FILL);
  gluSphere(quadric, kSphereRadius, kSlices, kStacks);
  gluDeleteQuadric(quadric);
}

}  // namespace

void GlSphereScene::Setup() { DefaultSetup(); }

void GlSphereScene::DrawSphereList() {
  // The quadric's 14,400 facets are generated once per context, then replayed for every image.
  // A context made anew after a release knows no list yet.
  if (sphereList_ == 0 || glIsList(sphereList_) == GL_FALSE) {
    sphereList_ = glGenLists(1);
    if (sphereList_ == 0) return DrawQuadricSphere();
    glNewList(sphereList_, GL_COMPILE);
    DrawQuadricSphere();
    glEndList();
  }
  glCallList(sphereList_);
}

void GlSphereScene::Draw() {
  const LightingParameters& light = SharedLightingParameters();
  SetMaterial();
  glLoadIdentity();
  // The light is placed after the translation, so it moves with the sphere.
  glTranslated(0.0, 0.0, light.eyeDistance);
  SetLight(light);
  // No depth test is needed: the far plane removes everything behind the visible cap.
  DrawSphereList();
  glFlush();
}

}  // namespace tenukiro
