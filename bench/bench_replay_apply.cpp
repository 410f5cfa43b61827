#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "replay/loaded_record.h"
#include "settings/settings_record.h"
#include "sgf/property_id.h"

namespace tenukiro {
namespace {

// Every record of the corpus but the combined collections, as text.
const std::vector<std::string>& CorpusTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> result;
    const std::filesystem::path corpus = TENUKIRO_CORPUS_DIR;
    if (!std::filesystem::exists(corpus)) return result;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(corpus)) {
      if (entry.path().extension() != ".sgf" || entry.path().string().find("/combined/") != std::string::npos) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::ostringstream bytes;
      bytes << in.rdbuf();
      result.push_back(bytes.str());
    }
    return result;
  }();
  return texts;
}

bool HasMove(const SgfNode& node) { return node.FindProperty(PROP_B) || node.FindProperty(PROP_W); }

// The main line of every corpus record through the annotation steps (board, view, marks,
// numbering, timing), as the show applies a first child. Parsing is outside the timing.
void BM_ApplyNodeMainLines(benchmark::State& state) {
  MemoryProfile profile;
  profile.WriteInt("SgfPriority", 1);
  profile.WriteInt("Comment", 1);
  profile.WriteInt("Numbering", 1);
  profile.WriteInt("AsInBooks", 1);
  profile.WriteInt("Assistant", 1);
  SettingsRecord settings = ReadShowSettings(profile);
  std::vector<std::unique_ptr<LoadedRecord>> records;
  for (const std::string& text : CorpusTexts()) records.push_back(std::make_unique<LoadedRecord>(SgfText(text), settings));
  // Loading parsed the first game tree's main line (it ends at the first ')'), so the
  // timed loop only applies nodes.
  int64_t moves = 0;
  for (auto _ : state) {
    for (auto& record : records) {
      NodePlayer& player = record->Player();
      for (SgfNode* node = record->Collection().CurrentRoot(); node; node = node->FirstChild()) {
        player.ApplyNode(node);
        moves += HasMove(*node);
      }
    }
  }
  state.counters["moves/s"] = benchmark::Counter(static_cast<double>(moves), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ApplyNodeMainLines)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tenukiro
