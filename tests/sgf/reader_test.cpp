#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "sgf/sgf_normalize.h"
#include "sgf/sgf_reader.h"
#include "sgf_test_support.h"

namespace tenukiro {
namespace {

using testing::DescribeNode;
using testing::ParsedRecord;
using Order = std::vector<std::string>;

std::string Normalized(std::string text) {
  text.push_back('\0');
  const size_t length = NormalizeSgfText(text.data(), text.size() - 1);
  return text.substr(0, length);
}

TEST(NormalizeSgfText, KeepsStructureAndCapitalsAndWholeValues) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"( ; b[aa] )", "(;[aa])"},
      {"(;AddBlack[aa][bb])", "(;AB[aa][bb])"},
      {"(;C[a\nb])", "(;C[a\rb])"},
      {"(;C[a\r\nb])", "(;C[a\r\rb])"},
      {"(;C[a\\]b] x1 ]W[c])", "(;C[a\\]b]W[c])"},
      {"(;C[x\\\ny])", "(;C[x\\\ny])"},
      {"junk 12 (;GN[é]) tail", "(;GN[é])"},
      {"\\a(;B[aa])", "\\a(;B[aa])"},
      {"(;C[unterminated", "(;C[unterminated"},
      {"trailing\\", "\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(Normalized(c.in), c.out) << c.in;
}

TEST(NormalizeSgfText, PiecewiseEqualsWhole) {
  std::string raw;
  for (int i = 0; i < 2000; ++i) raw += "(;C[a\\]\n b]\nxy;B[cd]\\";
  std::string piecewise = raw + '\0';
  size_t read = 0, write = 0;
  bool inValue = false;
  for (size_t limit = 7; read < raw.size(); limit = std::min(raw.size(), limit + 7)) {
    NormalizeRange(piecewise.data(), raw.size(), limit, read, write, inValue, nullptr);
  }
  EXPECT_EQ(piecewise.substr(0, write), Normalized(raw));
}

// Byte by byte, as the rules read: the fast paths of the real one must agree.
std::string ReferenceNormalized(const std::string& raw) {
  std::string out;
  bool inValue = false;
  for (size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '\\') {
      out += c;
      if (i + 1 < raw.size()) out += raw[++i];
    } else if (inValue) {
      inValue = c != ']';
      out += c == '\n' ? '\r' : c;
    } else {
      inValue = c == '[';
      if (c == '(' || c == ')' || c == ';' || c == '[' || (c >= 'A' && c <= 'Z')) out += c;
    }
  }
  return out;
}

TEST(NormalizeSgfText, AgreesWithTheByteRulesOnRandomText) {
  std::mt19937 random(7);
  const std::string pieces[] = {";B[cd]", ";W[ef]\n", "(;", ")", "[", "]", "\\", "\n", " ", "AB", "x", "[a[b]", "\xe9"};
  for (int round = 0; round < 2000; ++round) {
    std::string raw;
    const int count = static_cast<int>(random() % 120);
    for (int i = 0; i < count; ++i) raw += pieces[random() % std::size(pieces)];
    if (round % 3 == 0 && !raw.empty()) raw[random() % raw.size()] = static_cast<char>(random());
    const std::string expected = ReferenceNormalized(raw);
    EXPECT_EQ(Normalized(raw), expected) << raw;
    std::string piecewise = raw + '\0';
    size_t read = 0, write = 0;
    bool inValue = false;
    for (size_t limit = 0; read < raw.size();) {
      limit = std::min(raw.size(), limit + 1 + random() % 40);
      NormalizeRange(piecewise.data(), raw.size(), limit, read, write, inValue, nullptr);
    }
    EXPECT_EQ(piecewise.substr(0, write), expected) << raw;
  }
}

TEST(Reader, ReferenceCases) {
  struct Case {
    const char* text;
    Order order;
  } cases[] = {
      {"(;FF[4]SZ[9];B[cc];W[gg])", {"FF[4]SZ[9]", "B[3,3]", "W[7,7]"}},
      {"( ; b[aa] )", {"SZ[19]"}},
      {"(;AddBlack[aa][bb])", {"AB[1,1][2,2]SZ[19]"}},
      {"(;M[aa]L[bb])", {"MA[1,1]LB[2,2:a]SZ[19]"}},
      {"(;C[first]C[second])", {"C[first]SZ[19]"}},
      {";B[aa](;W[bb])", {"SZ[19]", "W[2,2]"}},
      {"", {"SZ[19]"}},
      {"no parenthesis ;B[aa]", {"SZ[19]"}},
      {"(;SZ[9]))(;B[aa])", {"SZ[9]", "SZ[19]", "B[1,1]"}},
      {"(;B[aa];W[bb]", {"SZ[19]", "B[1,1]", ""}},
      {"(;ABC[aa]XYZ[q])", {"AB[1,1]XY[q]SZ[19]"}},
      {"(;B[aa][bb]MA[aa][bb])", {"MA[1,1][2,2]SZ[19]", "B[1,1]"}},
      // A list property met again in the node adds its values to the first
      // occurrence; a single-valued one keeps the first.
      {"(;AB[pd]AB[dp]AW[aa]AB[pp])", {"AB[16,4][4,16][16,16]AW[1,1]SZ[19]"}},
      {"(;SZ[9];B[aa]B[bb]W[cc]W[dd]C[x]C[y])", {"SZ[9]", "B[1,1]W[3,3]C[x]"}},
      {"(;MA[aa]M[bb]L[cc]LB[dd:x]L[ee]TR[ff]TR[ff]ZZ[q]ZZ[r])",
       {"MA[1,1][2,2]LB[3,3:a][4,4:x][5,5:y]TR[6,6][6,6]ZZ[q][r]SZ[19]"}},
      {"(;AB[aa:ab]\nAB[cc];AE[aa]AE[cc]B[dd])", {"AB[1,1][1,2][3,3]SZ[19]", "AE[1,1][3,3]", "B[4,4]"}},
      // Game information between a game tree's '(' and its first ';' belongs to the root,
      // whose text the first node continues; elsewhere such text is still dropped.
      {"(PB[a]EV[b (c)];B[cc];W[gg])", {"PB[a]EV[b (c)]SZ[19]", "B[3,3]", "W[7,7]"}},
      {"(\nPB[a]\n;GN[x];B[aa])", {"PB[a]GN[x]SZ[19]", "B[1,1]"}},
      {"(PB[a])", {"PB[a]SZ[19]"}},
      {"(PB[a](;B[aa])(;B[bb]))", {"PB[a]SZ[19]", "B[1,1]", "B[2,2]"}},
      {"(PB[a];B[aa])(PW[b];W[bb])", {"PB[a]SZ[19]", "B[1,1]", "PW[b]SZ[19]", "W[2,2]"}},
      {"(PB[a];C[x", {"PB[a]SZ[19]"}},
      {"PB[a](;B[aa])", {"SZ[19]", "B[1,1]"}},
      {"(;B[aa](PB[x];W[bb]))", {"SZ[19]", "B[1,1]", "W[2,2]"}},
      {"( pb[a] ;B[aa])", {"SZ[19]", "B[1,1]"}},
  };
  for (const Reading reading : {Reading::Fast, Reading::GeneralOnly}) {
    for (const Case& c : cases) {
      ParsedRecord record(c.text, reading);
      EXPECT_EQ(record.ShowOrder(), c.order) << c.text << (reading == Reading::Fast ? " (fast)" : " (general)");
    }
  }
}

TEST(Reader, EscapeTravelsToTheValueType) {
  ParsedRecord record("(;C[a\\]b]ZZ[a\\]b])");
  EXPECT_STREQ(record.collection.FirstRoot()->PropertyString(PROP_C), "a]b");
  EXPECT_STREQ(record.collection.FirstRoot()->PropertyString(MakePropertyId("ZZ")), "a\\]b");
}

TEST(Reader, CrLfInAValueArrivesAsTwoCarriageReturns) {
  ParsedRecord record("(;ZZ[a\r\nb])");
  EXPECT_STREQ(record.collection.FirstRoot()->PropertyString(MakePropertyId("ZZ")), "a\r\rb");
}

TEST(Reader, GameWithoutVariationsIsParsedByTheFirstCallAndFinishedByTheNext) {
  ParsedRecord record("(;FF[4]SZ[9];B[cc];W[gg])");
  EXPECT_FALSE(record.text.IsGone());
  EXPECT_EQ(record.collection.NodeCount(), 3u);
  ContinueParse(record.collection, record.text);
  EXPECT_TRUE(record.text.IsGone());
  EXPECT_EQ(record.collection.NodeCount(), 3u);
}

TEST(Reader, FirstCallStopsAtTheFirstClosingParenthesis) {
  ParsedRecord record("(;B[aa](;W[bb])(;W[cc]))");
  // Root, the move split out of it, and W[bb].
  EXPECT_EQ(record.collection.NodeCount(), 3u);
  const SgfNode* root = record.collection.FirstRoot();
  EXPECT_EQ(DescribeNode(root), "SZ[19]");
  EXPECT_EQ(DescribeNode(root->FirstChild()), "B[1,1]");
  EXPECT_EQ(record.text.Position(), std::string("(;B[aa](;W[bb])").size());
  EXPECT_EQ(record.collection.Cursor(), root);
  ContinueParse(record.collection, record.text);
  EXPECT_EQ(record.collection.NodeCount(), 4u);
  EXPECT_EQ(DescribeNode(root->FirstChild()->FirstChild()->NextSibling()), "W[3,3]");
  EXPECT_EQ(record.collection.Cursor(), root) << "parsing never moves the cursor";
  EXPECT_FALSE(record.text.IsGone());
  ContinueParse(record.collection, record.text);
  EXPECT_FALSE(record.text.IsGone()) << "the final ')' still ends a call";
  ContinueParse(record.collection, record.text);
  EXPECT_TRUE(record.text.IsGone());
}

TEST(Reader, GoneTextIsLeftAlone) {
  GameContext context;
  SgfCollection collection(context);
  SgfText text;
  BeginParse(collection, text);
  ContinueParse(collection, text);
  EXPECT_EQ(collection.FirstRoot(), nullptr);
  EXPECT_TRUE(text.IsGone());
}

}  // namespace
}  // namespace tenukiro

namespace tenukiro {
namespace {

TEST(Reader, ReadsOnlyAsFarAsItParses) {
  std::string collection;
  while (collection.size() < (4u << 20)) collection += "(;SZ[9];B[aa];W[bb]C[ a comment\n ])\n";
  const std::string first = "(;SZ[9];B[aa];W[bb]C[ a comment\n ])";
  testing::ParsedRecord record(collection);
  EXPECT_EQ(record.collection.NodeCount(), 3u);
  EXPECT_EQ(record.text.Position(), first.size());
  EXPECT_EQ(std::string(record.text.Bytes() + first.size(), 40), collection.substr(first.size(), 40))
      << "the text after the first game is left as it is";
}

TEST(Reader, LongValueWithEscapesAndLineFeeds) {
  std::string comment;
  while (comment.size() < 300000) comment += "x\\]y\n";
  testing::ParsedRecord record("(;SZ[9]C[" + comment + "];B[aa])");
  std::string expected;
  while (expected.size() < 300000 * 4 / 5) expected += "x]y\r";
  const std::vector<std::string> order = record.ShowOrder();
  ASSERT_EQ(order.size(), 2u);
  EXPECT_EQ(order[0], "SZ[9]C[" + expected + "]");
  EXPECT_EQ(order[1], "B[1,1]");
}

}  // namespace
}  // namespace tenukiro
