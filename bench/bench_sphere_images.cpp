#include <benchmark/benchmark.h>

#include "sphere/cached_sphere_renderer.h"
#include "sphere/gl_sphere_renderer.h"
#include "sphere/sphere_images.h"

namespace tenukiro {
namespace {

constexpr Color kBoard = Rgb(220, 180, 100);
constexpr Color kBody = Rgb(80, 160, 230);
constexpr int kBrightness = 10;

// The assistant's unit for a 1920 × 1080 screen: the whole screen as its area (U = 54), and
// the area a 19 × 19 board at R = 24 leaves it (19R × 38R + 1, U = 44).
constexpr int kScreenUnit = 54;
constexpr int kBoardUnit = 44;

// One renderer, one context, for every benchmark; a GL that draws nothing fails them all.
GlSphereRenderer* Renderer(benchmark::State& state) {
  static GlSphereRenderer renderer;
  static const bool works = renderer.SelfTest();
  if (!works) state.SkipWithError("GL does not render in this process");
  return works ? &renderer : nullptr;
}

void RenderStones(SphereImageRenderer& renderer, int r) {
  benchmark::DoNotOptimize(MakeSphereImage(renderer, StoneSphereParams(r, Rgb(20, 20, 20), kBoard, kBrightness)));
  benchmark::DoNotOptimize(MakeSphereImage(renderer, StoneSphereParams(r, Rgb(250, 250, 250), kBoard, kBrightness)));
}

void RenderAssistant(SphereImageRenderer& renderer, int unit) {
  AssistantSphereImages images;
  benchmark::DoNotOptimize(MakeAssistantSphereImages(renderer, unit, kBody, images));
}

// Both stone images of radius R.
void BM_StoneImages(benchmark::State& state) {
  GlSphereRenderer* renderer = Renderer(state);
  if (renderer == nullptr) return;
  for (auto _ : state) RenderStones(*renderer, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_StoneImages)->Arg(12)->Arg(24)->Arg(40)->Unit(benchmark::kMillisecond);

// The six assistant images for unit U.
void BM_AssistantImages(benchmark::State& state) {
  GlSphereRenderer* renderer = Renderer(state);
  if (renderer == nullptr) return;
  for (auto _ : state) RenderAssistant(*renderer, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_AssistantImages)->Arg(kBoardUnit)->Arg(kScreenUnit)->Unit(benchmark::kMillisecond);

// Everything a full frame at 1920 × 1080 with R = 24 renders: two stones and the assistant.
void BM_FullFrameImages(benchmark::State& state) {
  GlSphereRenderer* renderer = Renderer(state);
  if (renderer == nullptr) return;
  for (auto _ : state) {
    RenderStones(*renderer, 24);
    RenderAssistant(*renderer, kBoardUnit);
  }
}
BENCHMARK(BM_FullFrameImages)->Unit(benchmark::kMillisecond);

// The same frame again and again through the cache, as repaints of one game ask for it.
void BM_FullFrameImagesCached(benchmark::State& state) {
  GlSphereRenderer* renderer = Renderer(state);
  if (renderer == nullptr) return;
  CachedSphereRenderer cached(*renderer);
  for (auto _ : state) {
    RenderStones(cached, 24);
    RenderAssistant(cached, kBoardUnit);
  }
}
BENCHMARK(BM_FullFrameImagesCached)->Unit(benchmark::kMillisecond);

// What reusing the context saves: a new context for one stone image.
void BM_StoneImageWithNewContext(benchmark::State& state) {
  if (Renderer(state) == nullptr) return;
  for (auto _ : state) {
    GlSphereRenderer fresh;
    benchmark::DoNotOptimize(MakeSphereImage(fresh, StoneSphereParams(24, Rgb(20, 20, 20), kBoard, kBrightness)));
  }
}
BENCHMARK(BM_StoneImageWithNewContext)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tenukiro
