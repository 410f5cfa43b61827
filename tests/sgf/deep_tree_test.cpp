#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "sgf/sgf_reader.h"
#include "sgf_test_support.h"

namespace tenukiro {
namespace {

std::string Repeat(const std::string& piece, int count) {
  std::string result;
  result.reserve(piece.size() * static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) result += piece;
  return result;
}

// Walks the whole show order as the show does and returns the nodes visited.
uint64_t WalkAll(testing::ParsedRecord& record) {
  SgfCollection& collection = record.collection;
  uint64_t visited = 1;
  for (SgfNode* node = collection.NextNodePreorder(collection.Cursor(), record.text); node;
       node = collection.NextNodePreorder(node, record.text)) {
    collection.SelectVariation(node);
    collection.SetCursor(node);
    ++visited;
  }
  return visited;
}

TEST(DeepTree, MillionMoveMainLineLoadsPlaysAndFrees) {
  const int moves = 1000000;
  auto record = std::make_unique<testing::ParsedRecord>("(;SZ[19]" + Repeat(";B[aa]", moves) + ")");
  EXPECT_EQ(WalkAll(*record), static_cast<uint64_t>(moves) + 1);
  EXPECT_EQ(record->collection.NodeCount(), static_cast<uint64_t>(moves) + 1);
  EXPECT_TRUE(record->text.IsGone());
  record.reset();
}

TEST(DeepTree, HundredThousandNestedVariations) {
  const int depth = 100000;
  auto record = std::make_unique<testing::ParsedRecord>("(;SZ[9]" + Repeat("(;B[aa]", depth) + Repeat(")", depth) + ")");
  EXPECT_EQ(WalkAll(*record), static_cast<uint64_t>(depth) + 1);
  record.reset();
}

TEST(DeepTree, NestedVariationsWithASecondLineAtEveryLevel) {
  const int depth = 100000;
  auto record =
      std::make_unique<testing::ParsedRecord>("(;SZ[9]" + Repeat("(;B[aa]", depth) + Repeat("(;W[bb]))", depth) + ")");
  // The main line first (its last node is the deepest W), then the second lines
  // from the deepest up.
  SgfCollection& collection = record->collection;
  SgfNode* deepest = collection.Cursor();
  for (int i = 0; i < depth; ++i) deepest = collection.NextNodePreorder(deepest, record->text);
  ASSERT_NE(deepest, nullptr);
  EXPECT_EQ(testing::DescribeNode(deepest), "B[1,1]");
  SgfNode* node = collection.NextNodePreorder(deepest, record->text);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->Parent(), deepest);
  EXPECT_EQ(testing::DescribeNode(node), "W[2,2]");
  SgfNode* second = collection.NextNodePreorder(node, record->text);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->PreviousSibling(), deepest);
  EXPECT_EQ(testing::DescribeNode(second), "W[2,2]");
  EXPECT_EQ(WalkAll(*record), 2 * static_cast<uint64_t>(depth) + 1);
  record.reset();
}

TEST(DeepTree, HundredThousandSiblings) {
  const int width = 100000;
  auto record = std::make_unique<testing::ParsedRecord>("(;SZ[9]" + Repeat("(;B[aa])", width) + ")");
  EXPECT_EQ(WalkAll(*record), static_cast<uint64_t>(width) + 1);
  record.reset();
}

TEST(DeepTree, ManyGameTrees) {
  const int games = 100000;
  auto record = std::make_unique<testing::ParsedRecord>(Repeat("(;B[aa])", games));
  EXPECT_EQ(WalkAll(*record), 2 * static_cast<uint64_t>(games));
  EXPECT_NE(record->collection.CurrentRoot(), record->collection.FirstRoot());
  record.reset();
}

// A record stops growing at the collection's node limit, as if its text ended
// there: whatever is read still plays, and nothing more is parsed.
TEST(DeepTree, TheNodeLimitEndsTheRecordWhereItStands) {
  struct Case { std::string text; uint64_t limit; };
  for (const Case& c : {Case{"(" + Repeat(";B[aa]", 5000) + ")", 1000},
                        Case{"(;AB[aa]" + Repeat("(;AB[bb]B[cc];W[dd])", 3000) + ")", 999},
                        Case{"(" + Repeat(";", 100000), 2000}}) {
    GameContext context;
    SgfCollection collection(context, SgfArena(), c.limit);
    SgfText text(c.text);
    BeginParse(collection, text);
    uint64_t visited = 1;
    for (SgfNode* node = collection.NextNodePreorder(collection.Cursor(), text); node;
         node = collection.NextNodePreorder(node, text)) {
      collection.SelectVariation(node);
      ++visited;
    }
    EXPECT_TRUE(text.IsGone());
    EXPECT_LE(collection.NodeCount(), c.limit);
    EXPECT_GT(collection.NodeCount(), c.limit / 2);
    EXPECT_EQ(visited, collection.NodeCount());
  }
}

}  // namespace
}  // namespace tenukiro
