#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>

#include "show/file_list.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

constexpr int kRecords = 100000;

// Two folders of 100,000 empty records each, made once and removed at exit: one
// flat, one of 100 folders of 1,000.
class RecordFolders {
 public:
  RecordFolders() : root_(fs::temp_directory_path() / ("tenukiro-bench-list-" + std::to_string(getpid()))) {
    fs::create_directories(root_ / "flat");
    for (int i = 0; i < kRecords; ++i) {
      Touch(root_ / "flat" / ("game" + std::to_string(i) + ".sgf"));
      const fs::path folder = root_ / "nested" / ("year" + std::to_string(i % 100));
      if (i < 100) fs::create_directories(folder);
      Touch(folder / ("game" + std::to_string(i) + ".sgf"));
    }
  }
  ~RecordFolders() {
    std::error_code error;
    fs::remove_all(root_, error);
  }

  std::string Flat() const { return (root_ / "flat").string(); }
  std::string Nested() const { return (root_ / "nested").string(); }

 private:
  static void Touch(const fs::path& path) { close(open(path.c_str(), O_CREAT | O_WRONLY, 0644)); }

  fs::path root_;
};

const RecordFolders& Folders() {
  static const RecordFolders folders;
  return folders;
}

std::string FolderFor(const benchmark::State& state) {
  return state.range(0) ? Folders().Nested() : Folders().Flat();
}

// What the show waits for before its first position: the list as it is made.
void BM_FirstRecordOfAFolder(benchmark::State& state) {
  const std::string folder = FolderFor(state);
  int known = 0;
  for (auto _ : state) {
    const FileList list({folder});
    known = list.Count();
    benchmark::DoNotOptimize(list.Current());
  }
  state.counters["known"] = known;
}
BENCHMARK(BM_FirstRecordOfAFolder)->ArgName("nested")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The whole list, a step per show tick: how many ticks it takes and the longest step.
void BM_WholeFolderStepByStep(benchmark::State& state) {
  const std::string folder = FolderFor(state);
  int steps = 0;
  double longestMs = 0;
  for (auto _ : state) {
    FileList list({folder});
    steps = 0;
    while (!list.Complete()) {
      const auto start = std::chrono::steady_clock::now();
      list.Grow();
      const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
      longestMs = std::max(longestMs, took.count());
      ++steps;
    }
    if (list.Count() != kRecords) state.SkipWithError("records missing");
  }
  state.counters["steps"] = steps;
  state.counters["longest_step_ms"] = longestMs;
}
BENCHMARK(BM_WholeFolderStepByStep)->ArgName("nested")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tenukiro
