#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "sgf/game_file.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_reader.h"
#include "sgf_test_support.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> CorpusFiles() {
  std::vector<fs::path> files;
  std::error_code error;
  if (!fs::is_directory(TENUKIRO_CORPUS_DIR, error)) return files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(TENUKIRO_CORPUS_DIR)) {
    if (entry.is_regular_file() && entry.path().extension() == ".sgf") files.push_back(entry.path());
  }
  return files;
}

// Every record of the corpus parses and its show order reaches every node once.
TEST(Corpus, EveryFileParsesAndWalksToTheEnd) {
  const std::vector<fs::path> files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << "no corpus at " << TENUKIRO_CORPUS_DIR;
  for (const fs::path& path : files) {
    SCOPED_TRACE(path.string());
    SgfText text = ReadGameFile(path.string());
    GameContext context;
    SgfCollection collection(context);
    BeginParse(collection, text);
    ASSERT_NE(collection.Cursor(), nullptr);
    EXPECT_TRUE(collection.GetBoardSize());
    uint64_t visited = 1;
    for (SgfNode* node = collection.NextNodePreorder(collection.Cursor(), text); node;
         node = collection.NextNodePreorder(node, text)) {
      collection.SelectVariation(node);
      collection.SetCursor(node);
      if (node == collection.CurrentRoot()) {
        EXPECT_TRUE(collection.GetBoardSize());
      }
      ++visited;
    }
    EXPECT_TRUE(text.IsGone());
    EXPECT_EQ(visited, collection.NodeCount());
  }
  EXPECT_GT(files.size(), 300u);
}

// Real records take the fast paths nearly everywhere: both readings agree on them.
// The few large files are collections of generated games, shapes the smaller
// ones have too, and would only make the test slow.
TEST(Corpus, FastAndGeneralReadingsGiveTheSameTrees) {
  constexpr uintmax_t kLargestCompared = 1 << 20;
  const std::vector<fs::path> files = CorpusFiles();
  if (files.empty()) GTEST_SKIP() << "no corpus at " << TENUKIRO_CORPUS_DIR;
  testing::ReadingComparison comparison;
  for (const fs::path& path : files) {
    if (fs::file_size(path) > kLargestCompared) continue;
    std::ifstream file(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(comparison.Compare(bytes), "") << path.string();
  }
}

}  // namespace
}  // namespace tenukiro
