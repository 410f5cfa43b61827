// The entry point of the module that holds the GL sphere renderer (see module_sphere_renderer.h).
#include "sphere/gl_sphere_renderer.h"
#include "sphere/module_sphere_renderer.h"

extern "C" __attribute__((visibility("default"))) tenukiro::SphereImageRenderer* TenukiroSphereRenderer() {
  return tenukiro::GlSphereRenderer::Instance();
}
