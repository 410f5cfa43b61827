#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "sphere/module_sphere_renderer.h"
#include "sphere_test_support.h"

namespace tenukiro {
namespace {

using ModuleSphereRendererTest = testing::GlTest;

constexpr Color kUntouched = Rgb(1, 2, 3);

TEST_F(ModuleSphereRendererTest, TheModuleRendersExactlyWhatTheRendererInItRenders) {
  ModuleSphereRenderer module(TENUKIRO_SPHERE_MODULE);
  const struct {
    int width, height;
    Color diffuse, clear;
    double specular, ambient;
  } requests[] = {{3, 3, Rgb(20, 20, 20), Rgb(220, 180, 100), 10, 2},
                  {41, 41, Rgb(250, 250, 250), Rgb(220, 180, 100), 10, 2},
                  {97, 49, Rgb(80, 160, 230), Rgb(255, 255, 255), 0, 10}};
  for (const auto& r : requests) {
    Raster loaded(r.width, r.height, kUntouched);
    ASSERT_TRUE(module.RenderSphere(loaded, r.diffuse, r.clear, r.specular, r.ambient)) << r.width;
    const Raster direct = Render(r.width, r.height, r.diffuse, r.clear, r.specular, r.ambient);
    for (int y = 0; y < r.height; ++y) {
      for (int x = 0; x < r.width; ++x) ASSERT_EQ(loaded.GetPixel(x, y), direct.GetPixel(x, y)) << x << "," << y;
    }
  }
}

TEST(ModuleSphereRendererFallback, WithoutTheModuleEveryRequestFailsAndLeavesTheImageAlone) {
  const std::string folder = ::testing::TempDir() + "tenukiro-module-" + std::to_string(::getpid()) + "/";
  std::filesystem::create_directories(folder);
  std::ofstream(folder + "not-a-module.so") << "\x7f" "ELF but nothing more";
  std::ofstream(folder + "empty.so");
  for (const std::string& path : {folder + "missing.so", folder + "not-a-module.so", folder + "empty.so", folder}) {
    ModuleSphereRenderer module(path);
    for (int attempt = 0; attempt < 2; ++attempt) {
      Raster image(5, 5, kUntouched);
      EXPECT_FALSE(module.RenderSphere(image, Rgb(255, 255, 255), Rgb(0, 0, 0), 10, 2)) << path;
      EXPECT_EQ(image.GetPixel(2, 2), kUntouched) << path;
    }
  }
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace tenukiro
