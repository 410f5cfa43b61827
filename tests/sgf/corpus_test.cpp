#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "sgf/game_file.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_reader.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;

// Every record of the corpus parses and its show order reaches every node once.
TEST(Corpus, EveryFileParsesAndWalksToTheEnd) {
  int files = 0;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(TENUKIRO_CORPUS_DIR)) {
    if (!entry.is_regular_file() || entry.path().extension() != ".sgf") continue;
    ++files;
    SCOPED_TRACE(entry.path().string());
    SgfText text = ReadGameFile(entry.path().string());
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
  EXPECT_GT(files, 300);
}

}  // namespace
}  // namespace tenukiro
