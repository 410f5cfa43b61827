#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "show/show_window.h"
#include "sphere/cached_sphere_renderer.h"
#include "sphere/gl_sphere_renderer.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

// A full-HD window that shows nothing: the show draws into its surface.
class BenchHost : public ShowHost {
 public:
  Size ClientSize() const override { return Size{1920, 1080}; }
  Size ScreenSize() const override { return Size{1920, 1080}; }
  Raster& Surface() override { return surface_; }
  void ArmTimer(int) override {}
  void Present(const Rect&) override {}
  uint32_t TickCount() const override { return 0; }

 private:
  Raster surface_{1920, 1080};
};

std::string Words(int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += i % 9 == 8 ? "consideration " : "the move ";
  return text;
}

// A record of `moves` moves down the left side of the board, each with a comment of `words` words.
std::string CommentedGame(int moves, int words) {
  std::string sgf = "(;SZ[19]EV[Benchmark]PB[Black]PW[White]RE[B+R]";
  for (int i = 0; i < moves; ++i) {
    const char column = static_cast<char>('a' + (i / 19) % 19);
    const char row = static_cast<char>('a' + i % 19);
    sgf += std::string(";") + (i % 2 ? "W" : "B") + "[" + column + row + "]C[" + Words(words) + "]";
  }
  return sgf + ")";
}

// The full-screen show with the assistant, its comments and the game information in 3D, past its
// first frame.
// The GL renderer behind a cache, as the program has it once its module is loaded.
SphereImageRenderer* Spheres() {
  GlSphereRenderer* gl = GlSphereRenderer::Instance();
  if (gl == nullptr) return nullptr;
  static CachedSphereRenderer cached(*gl);
  return &cached;
}

struct AssistantShow {
  explicit AssistantShow(const std::string& sgf) {
    folder = fs::temp_directory_path() / ("tenukiro-bench-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "game.sgf", std::ios::binary) << sgf;
    for (const char* on : {"Assistant", "Comment", "Informations", "With3DEffect", "MarkOnLastMove"}) {
      profile.WriteInt(on, 1);
    }
    profile.WriteInt("NumOfFile", 1);
    profile.WriteText("File0", (folder / "game.sgf").string());
    show = std::make_unique<CShowWnd>(profile, host, folder.string() + "/", Spheres());
    show->OnCreate();
    show->OnPaint();
  }
  ~AssistantShow() { fs::remove_all(folder); }

  fs::path folder;
  MemoryProfile profile;
  BenchHost host;
  std::unique_ptr<CShowWnd> show;
};

// Each step plays a move and writes its comment's first page into the balloon.
void BM_StepWithNewComment(benchmark::State& state) {
  const std::string game = CommentedGame(300, 12);
  auto bench = std::make_unique<AssistantShow>(game);
  for (auto _ : state) {
    bench->show->OnTimer();
    if (bench->show->State() == ShowState::NextPosition) continue;
    state.PauseTiming();
    if (bench->show->State() == ShowState::MorePages) state.SkipWithError("a comment took two pages");
    bench = std::make_unique<AssistantShow>(game);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StepWithNewComment)->Unit(benchmark::kMillisecond);

// Each step writes the next page of one long comment.
void BM_StepToNextPage(benchmark::State& state) {
  const std::string game = CommentedGame(1, 5000);
  auto bench = std::make_unique<AssistantShow>(game);
  bench->show->OnTimer();
  for (auto _ : state) {
    bench->show->OnTimer();
    if (bench->show->State() == ShowState::MorePages) continue;
    state.PauseTiming();
    bench = std::make_unique<AssistantShow>(game);
    bench->show->OnTimer();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StepToNextPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tenukiro
