#include "sphere/process_sphere_renderer.h"

#include "base/data_files.h"
#include "sphere/cached_sphere_renderer.h"
#include "sphere/module_sphere_renderer.h"

namespace tenukiro {

SphereImageRenderer* ProcessSphereRenderer() {
  static ModuleSphereRenderer module(ModuleFilePath(RunningProgramDirectory(), kSphereModuleName));
  static CachedSphereRenderer cached(module);
  return &cached;
}

}  // namespace tenukiro
