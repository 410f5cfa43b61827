#include "sphere/shared_sphere_renderer.h"

#include "sphere/cached_sphere_renderer.h"
#include "sphere/gl_sphere_renderer.h"

namespace tenukiro {

// The system's GL library is part of every Windows process anyway: the renderer is linked in.
SphereImageRenderer* SharedSphereRenderer() {
  GlSphereRenderer* gl = GlSphereRenderer::Instance();
  if (gl == nullptr) return nullptr;
  static CachedSphereRenderer cached(*gl);
  return &cached;
}

}  // namespace tenukiro
