#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sgf/sgf_reader.h"
#include "sgf_test_support.h"

namespace tenukiro {
namespace {

using testing::DescribeNode;
using testing::ParsedRecord;
using Order = std::vector<std::string>;

TEST(GameTree, SetupAndMoveSplit) {
  struct Case {
    const char* text;
    Order order;
  } cases[] = {
      {"(;AB[aa]B[bb]C[x])", {"AB[1,1]C[x]SZ[19]", "B[2,2]"}},
      {"(;B[aa];W[bb])", {"SZ[19]", "B[1,1]", "W[2,2]"}},
      {"(;SZ[9];AW[cc]W[dd]MA[ee];B[ff])", {"SZ[9]", "AW[3,3]MA[5,5]", "W[4,4]", "B[6,6]"}},
      {"(;;AE[aa]B[bb]W[cc])", {"SZ[19]", "AE[1,1]W[3,3]", "B[2,2]"}},
      {"(;W[aa]C[root])", {"C[root]SZ[19]", "W[1,1]"}},
      {"(;SZ[9];C[hi]B[aa])", {"SZ[9]", "C[hi]B[1,1]"}},
  };
  for (const Case& c : cases) {
    ParsedRecord record(c.text);
    EXPECT_EQ(record.ShowOrder(), c.order) << c.text;
  }
}

TEST(GameTree, ShowOrderIsDepthFirstMainLineFirst) {
  struct Case {
    const char* text;
    Order order;
  } cases[] = {
      {"(;B[aa](;W[bb];B[cc])(;W[dd]))", {"SZ[19]", "B[1,1]", "W[2,2]", "B[3,3]", "W[4,4]"}},
      {"(;B[aa])(;B[bb])", {"SZ[19]", "B[1,1]", "SZ[19]", "B[2,2]"}},
      {"(;SZ[9](;B[aa](;W[bb])(;W[cc]))(;B[dd]))(;SZ[7];B[ee])",
       {"SZ[9]", "B[1,1]", "W[2,2]", "W[3,3]", "B[4,4]", "SZ[7]", "B[5,5]"}},
      {"(;SZ[9];B[aa]();W[bb])", {"SZ[9]", "B[1,1]", "W[2,2]"}},
      {"(;SZ[9]()(;B[aa]))", {"SZ[9]", "B[1,1]"}},
  };
  for (const Case& c : cases) {
    ParsedRecord record(c.text);
    EXPECT_EQ(record.ShowOrder(), c.order) << c.text;
    EXPECT_TRUE(record.text.IsGone()) << c.text;
  }
}

TEST(GameTree, SecondGameTreeBecomesTheCurrentRootWhenReached) {
  ParsedRecord record("(;B[aa])(;SZ[9];B[bb])");
  SgfCollection& collection = record.collection;
  SgfNode* first = collection.FirstRoot();
  EXPECT_EQ(collection.CurrentRoot(), first);
  SgfNode* node = collection.NextNodePreorder(first, record.text);
  EXPECT_EQ(collection.CurrentRoot(), first);
  node = collection.NextNodePreorder(node, record.text);
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->Parent(), nullptr);
  EXPECT_EQ(collection.CurrentRoot(), node);
  EXPECT_FALSE(node->IsFirstChild());
  EXPECT_FALSE(node->IsSelected()) << "later roots are created unselected";
  collection.SelectVariation(node);
  EXPECT_TRUE(node->IsSelected());
  EXPECT_FALSE(first->IsSelected());
  EXPECT_TRUE(collection.GetBoardSize());
  EXPECT_EQ(collection.Context().columnsPlus1, 10);
}

TEST(GameTree, SelectVariationMovesTheLine) {
  ParsedRecord record("(;SZ[9](;B[aa])(;B[bb])(;B[cc]))");
  while (!record.text.IsGone()) ContinueParse(record.collection, record.text);
  SgfNode* root = record.collection.FirstRoot();
  SgfNode* first = root->FirstChild();
  SgfNode* second = first->NextSibling();
  SgfNode* third = second->NextSibling();
  EXPECT_EQ(SgfCollection::NextInLine(root), first);
  EXPECT_TRUE(first->IsFirstChild());
  EXPECT_FALSE(second->IsFirstChild());
  record.collection.SelectVariation(second);
  EXPECT_EQ(SgfCollection::NextInLine(root), second);
  EXPECT_FALSE(first->IsSelected());
  EXPECT_TRUE(second->IsSelected());
  record.collection.SelectVariation(third);
  EXPECT_EQ(SgfCollection::NextInLine(root), third);
  EXPECT_FALSE(second->IsSelected());
  EXPECT_EQ(SgfCollection::NextInLine(third), nullptr);
  EXPECT_EQ(SgfCollection::NextInLine(nullptr), nullptr);
}

TEST(GameTree, GetBoardSize) {
  struct Case {
    const char* size;
    int columnsPlus1, rowsPlus1;
  } cases[] = {
      {"19", 20, 20}, {"9:13", 10, 14}, {"9x13", 10, 14}, {"13:135", 14, 14}, {"25", 20, 20},
      {"1", 3, 3},    {"", 3, 3},       {"18", 19, 19},   {"x9", 3, 10},      {"7:", 8, 3},
      {" 1 9 ", 20, 20},
  };
  for (const Case& c : cases) {
    ParsedRecord record(std::string("(;SZ[") + c.size + "])");
    EXPECT_TRUE(record.collection.GetBoardSize()) << c.size;
    EXPECT_EQ(record.context.columnsPlus1, c.columnsPlus1) << c.size;
    EXPECT_EQ(record.context.rowsPlus1, c.rowsPlus1) << c.size;
  }
}

TEST(GameTree, GetBoardSizeWithoutSizeLeavesTheContext) {
  ParsedRecord record("(;SZ[9])");
  record.collection.FirstRoot()->RemoveProperty(PROP_SZ);
  record.context.columnsPlus1 = 8;
  EXPECT_FALSE(record.collection.GetBoardSize());
  EXPECT_EQ(record.context.columnsPlus1, 8);
}

TEST(GameTree, EveryRootGetsADefaultSize) {
  ParsedRecord record("(;SZ[9])(;GN[x])(;B[aa])");
  record.ShowOrder();
  int roots = 0;
  for (const SgfNode* root = record.collection.FirstRoot(); roots == 0 || root != record.collection.FirstRoot();
       root = root->NextSibling()) {
    ++roots;
    EXPECT_NE(root->PropertyString(PROP_SZ), nullptr);
  }
  EXPECT_EQ(roots, 3);
}

TEST(GameTree, Edits) {
  ParsedRecord record("(;SZ[9];B[aa]MA[bb]C[hi])");
  SgfNode* node = record.collection.FirstRoot()->FirstChild();
  node->SetPoint(PROP_B, {3, 4});
  node->SetPoint(PROP_MA, {2, 2});
  node->SetPoint(PROP_MA, {5, 5});
  node->SetPoint(PROP_TR, {1, 1});
  node->SetRawText(PROP_C, "changed");
  node->SetRawText(MakePropertyId("XO"), "new");
  EXPECT_EQ(DescribeNode(node), "B[3,4]MA[2,2][5,5]C[changed]TR[1,1]XO[new]");
  node->RemoveProperty(PROP_B);
  node->RemoveProperty(PROP_XO);
  node->RemoveProperty(PROP_AB);
  EXPECT_EQ(DescribeNode(node), "MA[2,2][5,5]C[changed]TR[1,1]");
  EXPECT_EQ(node->FindProperty(PROP_MA)->ValueCount(), 2u);
  EXPECT_EQ(node->PropertyPoint(PROP_TR), (PointValue{1, 1}));
  EXPECT_EQ(node->PropertyPoint(PROP_C), std::nullopt);
  EXPECT_EQ(node->PropertyString(PROP_MA), nullptr);
  node->RemoveProperty(PROP_MA);
  node->RemoveProperty(PROP_C);
  node->RemoveProperty(PROP_TR);
  EXPECT_EQ(node->FirstProperty(), nullptr);
  EXPECT_EQ(node->FindProperty(PROP_MA), nullptr);
}

// A node keeps room for its first property and a property for its first value;
// that room is only handed out again once everything it held is gone.
TEST(GameTree, EditsAroundTheFirstPropertyAndValue) {
  ParsedRecord record("(;SZ[9];B[aa])");
  SgfNode* move = record.collection.FirstRoot()->FirstChild();
  move->SetPoint(PROP_MA, {2, 2});
  move->SetPoint(PROP_MA, {3, 3});
  move->RemoveProperty(PROP_B);
  move->SetPoint(PROP_W, {4, 4});
  EXPECT_EQ(DescribeNode(move), "MA[2,2][3,3]W[4,4]");
  move->RemoveProperty(PROP_MA);
  move->RemoveProperty(PROP_W);
  EXPECT_EQ(move->FirstProperty(), nullptr);
  move->SetRawText(PROP_C, "again");
  move->SetPoint(PROP_TR, {1, 1});
  move->SetPoint(PROP_TR, {1, 2});
  EXPECT_EQ(DescribeNode(move), "C[again]TR[1,1][1,2]");
  const SgfProperty* marks = move->FindProperty(PROP_TR);
  EXPECT_EQ(marks->ValueCount(), 2u);
  EXPECT_EQ(marks->FirstValue()->Next()->Next(), marks->FirstValue());
  EXPECT_EQ(marks->FirstValue()->Previous(), marks->FirstValue()->Next());
  EXPECT_EQ(&move->Collection(), &record.collection);
}

TEST(GameTree, RepeatedEditsReuseMemory) {
  ParsedRecord record("(;SZ[9])");
  SgfNode* root = record.collection.FirstRoot();
  for (int i = 0; i < 1000; ++i) {
    root->SetRawText(PROP_C, std::string(static_cast<size_t>(i % 50), 'x'));
    root->SetPoint(PROP_MA, {1, 1});
    root->RemoveProperty(PROP_MA);
  }
  const size_t reserved = record.collection.Arena().ReservedBytes();
  for (int i = 0; i < 100000; ++i) {
    root->SetRawText(PROP_C, std::string(static_cast<size_t>(i % 50), 'x'));
    root->SetPoint(PROP_MA, {1, 1});
    root->RemoveProperty(PROP_MA);
  }
  EXPECT_EQ(record.collection.Arena().ReservedBytes(), reserved);
}

}  // namespace
}  // namespace tenukiro
