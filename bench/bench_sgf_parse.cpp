// Throughput of normalise + parse + full show-order walk, beside a plain one-pass
// byte scan of the same text as its yardstick, and the time from BeginParse to
// the first node of a large collection. The corpus benchmarks are left out when
// the corpus is absent; the generated record always gives a number.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "sgf/record_charset.h"
#include "sgf/sgf_arena.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_reader.h"
#include "sgf/sgf_text.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

constexpr size_t kCollectionBytes = 50u << 20;
constexpr int kGeneratedGames = 3000;
constexpr int kGeneratedMoves = 420;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

bool CorpusPresent() {
  std::error_code error;
  return fs::is_directory(TENUKIRO_CORPUS_DIR, error);
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

// A collection shaped like the corpus's largest record (a game tree per game,
// twelve moves a line, a comment on each root), about as large. `root` comes
// first in each root and `comment` is written on every twelfth move.
std::string MakeGeneratedRecord(const std::string& root, const std::string& comment) {
  std::mt19937 random(4242);
  std::string all;
  for (int game = 0; game < kGeneratedGames; ++game) {
    all += "(;FF[4]GM[1]" + root + "SZ[19]KM[6.5]PB[black]PW[white]C[Generated game " + std::to_string(game) + ".]\n";
    for (int move = 0; move < kGeneratedMoves; ++move) {
      const char colour = move % 2 ? 'W' : 'B';
      const char point[] = {';', colour, '[', static_cast<char>('a' + random() % 19),
                            static_cast<char>('a' + random() % 19), ']', '\0'};
      all += point;
      if (move % 12 == 11) all += comment + '\n';
    }
    all += ")\n";
  }
  return all;
}

const std::string& GeneratedRecord() {
  static const std::string text = MakeGeneratedRecord("", "");
  return text;
}

// The same with a comment in Japanese every twelve moves, in UTF-8 and in Shift_JIS
// (whose characters' second bytes include '\\' and ']').
const std::string& GeneratedUtf8Record() {
  static const std::string text = MakeGeneratedRecord(
      "", "C[\xe9\xbb\x92\xe3\x81\xae\xe5\x85\x88\xe6\x89\x8b\xe3\x81\xa7\xe3\x81\x99\xe3\x80\x82\xe8\xa1\xa8]");
  return text;
}

const std::string& GeneratedShiftJisRecord() {
  static const std::string text =
      MakeGeneratedRecord("CA[Shift_JIS]", "C[\x8d\x95\x82\xcc\x90\xe6\x8e\xe8\x82\xc5\x82\xb7\x81\x42\x95\x5c]");
  return text;
}

struct ScanCounts {
  uint64_t nodes = 0;
  uint64_t values = 0;
};

// The least any reader must do: look at every byte once, counting nodes and
// values and stepping over escapes inside values.
ScanCounts ScanBytes(const std::string& text) {
  ScanCounts counts;
  bool inValue = false;
  const size_t size = text.size();
  for (size_t i = 0; i < size; ++i) {
    const char c = text[i];
    if (inValue) {
      if (c == '\\') ++i;
      else if (c == ']') inValue = false;
    } else if (c == '[') {
      inValue = true;
      ++counts.values;
    } else if (c == ';') {
      ++counts.nodes;
    }
  }
  return counts;
}

void ByteScan(benchmark::State& state, const std::string& source) {
  ScanCounts counts;
  for (auto _ : state) {
    counts = ScanBytes(source);
    benchmark::DoNotOptimize(counts);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
  state.counters["nodes"] = static_cast<double>(counts.nodes);
  state.counters["values"] = static_cast<double>(counts.values);
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

// Each record after the first reuses the memory of the one before, as the show
// does; with `freshMemory` every record starts from new pages instead.
void ParseAndWalk(benchmark::State& state, const std::string& source, bool freshMemory) {
  uint64_t nodes = 0;
  SgfArena memory;
  for (auto _ : state) {
    state.PauseTiming();
    auto text = std::make_unique<SgfText>(source);
    GameContext context;
    auto collection = std::make_unique<SgfCollection>(context, std::move(memory));
    state.ResumeTiming();
    BeginParse(*collection, *text);
    nodes = WalkAll(*collection, *text);
    state.PauseTiming();
    if (!freshMemory) memory = std::move(*collection).TakeMemory();
    collection.reset();
    text.reset();
    state.ResumeTiming();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
  state.counters["nodes"] = static_cast<double>(nodes);
  state.counters["MB"] = static_cast<double>(source.size()) / 1e6;
}

void FirstNodeOf(benchmark::State& state, const std::string& source) {
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

// The first look at a text for its charset, detection included when the text does not
// declare one and is not UTF-8.
void FindCharset(benchmark::State& state, const std::string& source) {
  for (auto _ : state) benchmark::DoNotOptimize(FindRecordCharset(source));
  state.counters["MB"] = static_cast<double>(source.size()) / 1e6;
}

const std::string& UndeclaredShiftJisRecord() {
  static const std::string text = MakeGeneratedRecord(
      "PB[\x90\x5c\xe1\xc1\x83\x5c]", "C[\x8d\x95\x82\xcc\x90\xe6\x8e\xe8\x82\xc5\x82\xb7\x81\x42\x95\x5c]");
  return text;
}

const std::string& SmallUndeclaredShiftJisRecord() {
  static const std::string text = UndeclaredShiftJisRecord().substr(0, 2048);
  return text;
}

// The texts are made when a benchmark first runs, so a filtered run builds only
// what it measures.
void RegisterAll() {
  using benchmark::RegisterBenchmark;
  using benchmark::State;
  RegisterBenchmark("ByteScan/generated", [](State& state) { ByteScan(state, GeneratedRecord()); })
      ->Unit(benchmark::kMillisecond);
  RegisterBenchmark("ParseAndWalk/generated", [](State& state) { ParseAndWalk(state, GeneratedRecord(), false); })
      ->Unit(benchmark::kMillisecond);
  RegisterBenchmark("ParseAndWalk/generated_utf8_comments",
                    [](State& state) { ParseAndWalk(state, GeneratedUtf8Record(), false); })
      ->Unit(benchmark::kMillisecond);
  RegisterBenchmark("ParseAndWalk/generated_shift_jis_comments",
                    [](State& state) { ParseAndWalk(state, GeneratedShiftJisRecord(), false); })
      ->Unit(benchmark::kMillisecond);
  RegisterBenchmark("FindRecordCharset/undeclared_shift_jis_8MB",
                    [](State& state) { FindCharset(state, UndeclaredShiftJisRecord()); })
      ->Unit(benchmark::kMicrosecond);
  RegisterBenchmark("FindRecordCharset/undeclared_shift_jis_2KB",
                    [](State& state) { FindCharset(state, SmallUndeclaredShiftJisRecord()); })
      ->Unit(benchmark::kMicrosecond);
  if (!CorpusPresent()) {
    std::fprintf(stderr, "corpus %s absent: its benchmarks are skipped\n", TENUKIRO_CORPUS_DIR);
    return;
  }
  RegisterBenchmark("ByteScan/largest", [](State& state) { ByteScan(state, LargestFile()); })
      ->Unit(benchmark::kMillisecond);
  RegisterBenchmark("FindRecordCharset/largest", [](State& state) { FindCharset(state, LargestFile()); })
      ->Unit(benchmark::kMicrosecond);
  RegisterBenchmark("ParseAndWalk/largest", [](State& state) { ParseAndWalk(state, LargestFile(), false); })
      ->Unit(benchmark::kMillisecond);
  RegisterBenchmark("ParseAndWalk/largest/fresh_memory",
                    [](State& state) { ParseAndWalk(state, LargestFile(), true); })
      ->Unit(benchmark::kMillisecond);
  RegisterBenchmark("ParseAndWalk/50MB_collection",
                    [](State& state) { ParseAndWalk(state, FiftyMegabyteCollection(), false); })
      ->Unit(benchmark::kMillisecond)
      ->Iterations(3);
  RegisterBenchmark("FirstNode/50MB_collection", [](State& state) { FirstNodeOf(state, FiftyMegabyteCollection()); })
      ->Unit(benchmark::kMicrosecond)
      ->Iterations(20);
}

const bool kRegistered = (RegisterAll(), true);

}  // namespace
}  // namespace tenukiro
