#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "config/config_dialog.h"
#include "config/file_order.h"

namespace tenukiro {
namespace {

class NoPreview : public ConfigPreview {
 public:
  void SetFileList(const std::vector<std::string>&) override {}
  void SetRandomAccess(int32_t) override {}
  void SetSgfPriority(int32_t) override {}
  void SetSetting(SettingId, int32_t) override {}
};

std::vector<std::string> Paths(int count) {
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) paths.push_back("/home/user/go/collection/game-" + std::to_string(i * 7919 % count) + ".sgf");
  return paths;
}

// Reading a long list into the dialog and writing it back with OK.
void BM_OpenAndOk(benchmark::State& state) {
  MemoryProfile profile;
  const std::vector<std::string> paths = Paths(static_cast<int>(state.range(0)));
  profile.WriteInt("NumOfFile", static_cast<int32_t>(paths.size()));
  for (size_t i = 0; i < paths.size(); ++i) profile.WriteText("File" + std::to_string(i), paths[i]);
  NoPreview preview;
  for (auto _ : state) {
    CConfigDialog dialog(profile, preview, [] { return false; });
    benchmark::DoNotOptimize(dialog.Accept(0));
  }
}
BENCHMARK(BM_OpenAndOk)->Arg(100)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SortFileOrder(benchmark::State& state) {
  const std::vector<std::string> paths = Paths(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    FileOrder order(paths);
    order.Sort();
    benchmark::DoNotOptimize(order.Entries().data());
  }
}
BENCHMARK(BM_SortFileOrder)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tenukiro
