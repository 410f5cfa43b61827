#include "sphere/module_sphere_renderer.h"

#include <dlfcn.h>

namespace tenukiro {
namespace {

// The host toolkit brings glvnd's GL library into the process, whose functions do nothing
// without a context of its own. Binding the module to its own libraries first lets its GL
// calls, and those of the GLU it uses, reach the off-screen library.
#ifdef TENUKIRO_NO_DEEPBIND
constexpr int kOwnLibrariesFirst = 0;
#else
constexpr int kOwnLibrariesFirst = RTLD_DEEPBIND;
#endif

}  // namespace

bool ModuleSphereRenderer::RenderSphere(Raster& image, Color diffuse, Color clear, double specularLevel,
                                        double ambientLevel) {
  SphereImageRenderer* renderer = Load();
  return renderer != nullptr && renderer->RenderSphere(image, diffuse, clear, specularLevel, ambientLevel);
}

SphereImageRenderer* ModuleSphereRenderer::Load() {
  if (loadTried_) return renderer_;
  loadTried_ = true;
  // Never closed: the GL library's exit handlers must find it still mapped.
  void* module = dlopen(modulePath_.c_str(), RTLD_NOW | RTLD_LOCAL | kOwnLibrariesFirst);
  if (module == nullptr) return nullptr;
  using Entry = SphereImageRenderer* (*)();
  const auto entry = reinterpret_cast<Entry>(dlsym(module, kSphereModuleEntry));
  if (entry != nullptr) renderer_ = entry();
  return renderer_;
}

}  // namespace tenukiro
