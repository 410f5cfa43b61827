#include "sphere/shared_sphere_renderer.h"

#include <unistd.h>

#include <climits>
#include <string>

#include "base/data_files.h"
#include "sphere/cached_sphere_renderer.h"
#include "sphere/module_sphere_renderer.h"

namespace tenukiro {
namespace {

// The folder of the running program, ending with '/'; empty when it cannot be told.
std::string RunningProgramDirectory() {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return {};
  const std::string path(buffer, static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/') + 1);
}

}  // namespace

SphereImageRenderer* SharedSphereRenderer() {
  static ModuleSphereRenderer module(ModuleFilePath(RunningProgramDirectory(), kSphereModuleName));
  static CachedSphereRenderer cached(module);
  return &cached;
}

}  // namespace tenukiro
