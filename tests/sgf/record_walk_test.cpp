#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "sgf/game_file.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_reader.h"
#include "support/record_set_test.h"
#include "support/record_shape.h"

namespace tenukiro {
namespace {

namespace fs = std::filesystem;
using testing::RecordSetTest;

using RecordWalk = RecordSetTest;

// Every record parses and its show order reaches every node once; every game tree
// has a board size. The project's own records are well formed, so their nodes and
// game trees can also be counted from their punctuation.
TEST_P(RecordWalk, EveryFileParsesAndWalksToTheEnd) {
  const std::vector<fs::path>& files = testing::RecordFiles(GetParam());
  for (const fs::path& file : files) {
    SCOPED_TRACE(file.string());
    SgfText text = ReadGameFile(file.string());
    GameContext context;
    SgfCollection collection(context);
    BeginParse(collection, text);
    ASSERT_NE(collection.Cursor(), nullptr);
    EXPECT_TRUE(collection.GetBoardSize());
    uint64_t visited = 1;
    int trees = 1;
    for (SgfNode* node = collection.NextNodePreorder(collection.Cursor(), text); node;
         node = collection.NextNodePreorder(node, text)) {
      collection.SelectVariation(node);
      collection.SetCursor(node);
      if (node == collection.CurrentRoot()) {
        EXPECT_TRUE(collection.GetBoardSize());
        ++trees;
      }
      ++visited;
    }
    EXPECT_TRUE(text.IsGone());
    EXPECT_EQ(visited, collection.NodeCount());
    if (Own()) {
      const testing::RecordShape shape = testing::ScanRecord(testing::ReadBytes(file));
      EXPECT_EQ(visited, static_cast<uint64_t>(shape.nodes));
      EXPECT_EQ(trees, shape.trees);
    }
  }
  EXPECT_GT(files.size(), Own() ? testing::GeneratedRecords().size() : 300u);
}

INSTANTIATE_TEST_SUITE_P(, RecordWalk, ::testing::ValuesIn(testing::kRecordSets), testing::RecordSetName);

}  // namespace
}  // namespace tenukiro
