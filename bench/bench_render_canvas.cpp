#include <benchmark/benchmark.h>

#include "render/canvas.h"
#include "render/halftone.h"

namespace tenukiro {
namespace {

void BM_FilledEllipseR24(benchmark::State& state) {
  Raster raster(64, 64);
  Canvas canvas(raster);
  const int r = 24;
  const Rect box{32 - (r - 1), 32 - (r - 1), 32 + r, 32 + r};
  for (auto _ : state) {
    canvas.Ellipse(box, Pen{Rgb(0, 0, 0)}, Brush::Solid(Rgb(255, 255, 255)));
    benchmark::DoNotOptimize(raster.data());
  }
}
BENCHMARK(BM_FilledEllipseR24);

void BM_TextLabelH24(benchmark::State& state) {
  Raster raster(64, 64, Rgb(220, 180, 100));
  Canvas canvas(raster);
  canvas.SetBkMode(BkMode::kTransparent);
  canvas.SetTextAlign(TextAlign::kCenterTop);
  for (auto _ : state) {
    // A font is made for each call, as the board drawing does for every label.
    canvas.SelectFont(Font("Arial Narrow", 24));
    canvas.TextOutClipped(32, 14, Rect{9, 9, 56, 56}, "127");
    benchmark::DoNotOptimize(raster.data());
  }
}
BENCHMARK(BM_TextLabelH24);

void BM_HalftoneStretch512To48(benchmark::State& state) {
  Raster src(512, 512);
  for (int y = 0; y < 512; ++y) {
    for (int x = 0; x < 512; ++x) src.SetPixel(x, y, Rgb(x & 255, y & 255, (x ^ y) & 255));
  }
  Raster dst(48, 48);
  Canvas canvas(dst);
  for (auto _ : state) {
    canvas.StretchBlt(dst.Bounds(), src, src.Bounds());
    benchmark::DoNotOptimize(dst.data());
  }
}
BENCHMARK(BM_HalftoneStretch512To48);

void BM_FullRasterFill1920x1080(benchmark::State& state) {
  Raster raster(1920, 1080);
  Canvas canvas(raster);
  for (auto _ : state) {
    canvas.ClearRect(raster.Bounds(), Rgb(0, 64, 0));
    benchmark::DoNotOptimize(raster.data());
  }
}
BENCHMARK(BM_FullRasterFill1920x1080);

}  // namespace
}  // namespace tenukiro
