// Throughput of normalise + parse + full show-order walk, and the time from
// BeginParse to the first node of a large collection.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sgf/sgf_collection.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_text.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

constexpr size_t kCollectionBytes = 50u << 20;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<fs::path> CorpusFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::recursive_directory_iterator(TENUKIRO_CORPUS_DIR)) {
    if (entry.is_regular_file() && entry.path().extension() == ".sgf") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

const std::string& LargestFile() {
  static const std::string text = [] {
    fs::path largest;
    for (const fs::path& path : CorpusFiles()) {
      if (largest.empty() || fs::file_size(path) > fs::file_size(largest)) largest = path;
    }
    return ReadFile(largest);
  }();
  return text;
}

// Whole corpus files, one after another, until 50 MB; only files that start a
// game tree and end one, so the concatenation stays a collection.
const std::string& FiftyMegabyteCollection() {
  static const std::string text = [] {
    std::vector<std::string> pieces;
    for (const fs::path& path : CorpusFiles()) {
      std::string bytes = ReadFile(path);
      const size_t first = bytes.find_first_not_of(" \t\r\n");
      const size_t last = bytes.find_last_not_of(" \t\r\n");
      if (first != std::string::npos && bytes[first] == '(' && bytes[last] == ')') pieces.push_back(bytes);
    }
    std::string all;
    all.reserve(kCollectionBytes + (1u << 20));
    while (all.size() < kCollectionBytes) {
      for (const std::string& piece : pieces) {
        all += piece;
        if (all.size() >= kCollectionBytes) break;
      }
    }
    return all;
  }();
  return text;
}

uint64_t WalkAll(SgfCollection& collection, SgfText& text) {
  uint64_t nodes = 1;
  for (SgfNode* node = collection.NextNodePreorder(collection.Cursor(), text); node;
       node = collection.NextNodePreorder(node, text)) {
    collection.SelectVariation(node);
    collection.SetCursor(node);
    ++nodes;
  }
  return nodes;
}

void ParseAndWalk(benchmark::State& state, const std::string& source) {
  uint64_t nodes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto text = std::make_unique<SgfText>(source);
    GameContext context;
    auto collection = std::make_unique<SgfCollection>(context);
    state.ResumeTiming();
    BeginParse(*collection, *text);
    nodes = WalkAll(*collection, *text);
    state.PauseTiming();
    collection.reset();
    text.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
  state.counters["nodes"] = static_cast<double>(nodes);
  state.counters["MB"] = static_cast<double>(source.size()) / 1e6;
}

void BM_ParseAndWalkLargestFile(benchmark::State& state) { ParseAndWalk(state, LargestFile()); }
BENCHMARK(BM_ParseAndWalkLargestFile)->Unit(benchmark::kMillisecond);

void BM_ParseAndWalk50MBCollection(benchmark::State& state) { ParseAndWalk(state, FiftyMegabyteCollection()); }
BENCHMARK(BM_ParseAndWalk50MBCollection)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FirstNodeOf50MBCollection(benchmark::State& state) {
  const std::string& source = FiftyMegabyteCollection();
  for (auto _ : state) {
    state.PauseTiming();
    auto text = std::make_unique<SgfText>(source);
    GameContext context;
    auto collection = std::make_unique<SgfCollection>(context);
    state.ResumeTiming();
    BeginParse(*collection, *text);
    benchmark::DoNotOptimize(collection->NextNodePreorder(collection->Cursor(), *text));
    state.PauseTiming();
    collection.reset();
    text.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstNodeOf50MBCollection)->Unit(benchmark::kMicrosecond)->Iterations(20);

}  // namespace
}  // namespace tenukiro
