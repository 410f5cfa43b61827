#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "render/board_renderer.h"
#include "replay/loaded_record.h"

namespace tenukiro {
namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A professional game from the corpus where there is one, else the record the program carries.
std::string GameText() {
  const std::string corpusGame =
      FileText(std::string(TENUKIRO_CORPUS_DIR) + "/real/katrain/LS_vs_AG_-_G4_-_English.sgf");
  return corpusGame.empty() ? FileText(std::string(TENUKIRO_SOURCE_DIR) + "/resources/Tenukiro.sgf") : corpusGame;
}

SettingsRecord BenchSettings() {
  SettingsRecord s;
  s.SetRegistryValue(StoneRadius, 24);
  s.SetRegistryValue(With3DEffect, 0);
  s.SetRegistryValue(MarkOnLastMove, 1);
  s.SetRegistryValue(GridPosition, 0);
  return s;
}

ShownPosition PositionOf(const LoadedRecord& r) { return ShownPosition{r.GetBoard(), r.State(), r.Annotations()}; }

// A 19 x 19 game at R = 24 on a full-HD window, stepped as the show steps it up to the first
// move that captures (more than the move and the two last-move points change).
struct Show {
  SettingsRecord settings = BenchSettings();
  std::unique_ptr<LoadedRecord> record;
  std::unique_ptr<BoardRenderer> renderer;
  Raster frame{kWidth, kHeight};

  Show() {
    record = std::make_unique<LoadedRecord>(SgfText(GameText()), settings);
    renderer = std::make_unique<BoardRenderer>(settings);
    LayoutInputs in;
    in.clientWidth = kWidth;
    in.clientHeight = kHeight;
    in.screenWidth = kWidth;
    in.view = record->State().view;
    renderer->SetLayout(ComputeLayout(settings, in, NoInfoBlock{}));
    renderer->RefreshDisplayGrid(PositionOf(*record));
    Canvas canvas(frame);
    renderer->DrawFullFrame(canvas);
  }

  // Applies steps until one captures; the display is left uncommitted, so redrawing repeats it.
  bool AdvanceToCapture() {
    Canvas canvas(frame);
    for (;;) {
      const LoadedRecord::Step next = record->NextStep();
      if (next.kind == LoadedRecord::StepKind::End) return false;
      renderer->CommitDisplay();
      record->ApplyStep(next);
      if (renderer->RedrawChanged(canvas, PositionOf(*record)).size() > 3) return true;
    }
  }
};

void BM_FullFrameFlat1920x1080R24(benchmark::State& state) {
  Show show;
  show.AdvanceToCapture();
  Canvas canvas(show.frame);
  for (auto _ : state) {
    canvas.ClearRect(show.frame.Bounds(), 0);
    show.renderer->DrawFullFrame(canvas);
    benchmark::DoNotOptimize(show.frame.data());
  }
}
BENCHMARK(BM_FullFrameFlat1920x1080R24)->Unit(benchmark::kMillisecond);

void BM_StepWithCaptureRedraw(benchmark::State& state) {
  Show show;
  if (!show.AdvanceToCapture()) {
    state.SkipWithError("no capture in the game");
    return;
  }
  Canvas canvas(show.frame);
  size_t cells = 0;
  for (auto _ : state) {
    cells = show.renderer->RedrawChanged(canvas, PositionOf(*show.record)).size();
    benchmark::DoNotOptimize(show.frame.data());
  }
  state.counters["cells"] = static_cast<double>(cells);
}
BENCHMARK(BM_StepWithCaptureRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tenukiro
