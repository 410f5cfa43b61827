#pragma once

#include <string>

#include "render/sphere_image_renderer.h"

namespace tenukiro {

// The file name of the module that holds the GL sphere renderer, and its entry point: a C
// function taking nothing and returning the module's self-tested `SphereImageRenderer*`, or
// null when GL cannot render in this process.
inline constexpr char kSphereModuleName[] = "tenukiro_spheres.so";
inline constexpr char kSphereModuleEntry[] = "TenukiroSphereRenderer";

// The GL renderer in its own module, loaded on the first sphere. A show with the flat look thus
// never maps the GL library, nor the shader compiler it brings (tens of megabytes), and starts
// sooner. Without the module, or when GL cannot render, every request fails, which the drawing
// code answers with the flat look.
class ModuleSphereRenderer : public SphereImageRenderer {
 public:
  explicit ModuleSphereRenderer(std::string modulePath) : modulePath_(std::move(modulePath)) {}

  bool RenderSphere(Raster& image, Color diffuse, Color clear, double specularLevel,
                    double ambientLevel) override;

 private:
  SphereImageRenderer* Load();

  std::string modulePath_;
  bool loadTried_ = false;
  SphereImageRenderer* renderer_ = nullptr;
};

}  // namespace tenukiro
