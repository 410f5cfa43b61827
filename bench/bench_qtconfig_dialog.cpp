#include <QApplication>

#include <benchmark/benchmark.h>

#include <string>

#include "config/qt/config_dialog_widget.h"
#include "shell/qt/show_widget.h"

namespace tenukiro {
namespace {

QApplication& Application() {
  static int argc = 1;
  static char name[] = "bench";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(argc, argv);
  return application;
}

// The whole dialog, preview included, opened on a list of files and closed with OK.
void BM_DialogOpenAndOk(benchmark::State& state) {
  Application();
  MemoryProfile profile;
  const int count = static_cast<int>(state.range(0));
  profile.WriteInt("NumOfFile", count);
  for (int i = 0; i < count; ++i) profile.WriteText("File" + std::to_string(i), "/nowhere/game-" + std::to_string(i) + ".sgf");
  for (auto _ : state) {
    ConfigDialogServices services;
    services.makePreview = ShowWidget::PreviewMaker({}, nullptr);
    ConfigDialogWidget dialog(profile, std::move(services));
    dialog.show();
    QApplication::processEvents();
    dialog.accept();
  }
}
BENCHMARK(BM_DialogOpenAndOk)->Arg(0)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tenukiro
