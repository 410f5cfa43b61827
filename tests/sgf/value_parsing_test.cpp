#include <gtest/gtest.h>

#include <string>

#include "sgf/property_table.h"
#include "sgf/value_parsing.h"
#include "sgf_test_support.h"

namespace tenukiro {
namespace {

using testing::DescribeNode;
using testing::ParsedRecord;

// The root's properties (SZ aside) as DescribeNode prints them.
std::string RootOf(const std::string& properties) {
  ParsedRecord record("(;SZ[9]" + properties + ")");
  std::string described = DescribeNode(record.collection.FirstRoot());
  return described.substr(std::string("SZ[9]").size());
}

TEST(PropertyValues, EachTypeParsesItsContent) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      // Points, rectangles and lists.
      {"AB[aa:bb]", "AB[1,1][1,2][2,1][2,2]"},
      {"AB[aa:bc]", "AB[1,1][1,2][1,3][2,1][2,2][2,3]"},
      {"AB[cc:aa]", "AB[0,0]"},
      {"AB[dd][aa:ab]", "AB[4,4][1,2][1,1]"},
      {"MA[aa][bb]", "MA[1,1][2,2]"},
      {"TR[tt][]SQ[abc]", "TR[20,20][0,0]SQ[0,0]"},
      {"AB[Aa:ab]", "AB[1,1][1,2]"},
      // Labels.
      {"LB[aa:Hello]", "LB[1,1:Hell]"},
      {"LB[aa:]", "LB[1,1:]"},
      {"LB[aa:x][b]", "LB[1,1:x][0,0:]"},
      {"L[aa][bb][cc]", "LB[1,1:a][2,2:b][3,3:c]"},
      {"LB[aa:\\]x]", "LB[1,1:\\]x]"},  // escapes stay in labels
      // Numbers and reals.
      {"MN[-3]", "MN[-3]"},
      {"MN[3-]", "MN[3]"},
      {"MN[12a3]", "MN[123]"},
      {"MN[+5]", "MN[5]"},
      {"MN[70000]", "MN[4464]"},
      {"KM[6]", "KM[6]"},
      {"KM[0,5]", "KM[0.5]"},
      {"KM[5.5]", "KM[5.5]"},
      {"KM[-6.5]", "KM[-6.5]"},
      {"KM[1.2.5]", "KM[12.5]"},
      // Double, colour, none, point pairs.
      {"DM[1]", "DM[1]"},
      {"DM[2]", "DM[2]"},
      {"DM[x]", "DM[2]"},
      {"DM[]", "DM[2]"},
      {"PL[B]", "PL[B]"},
      {"PL[b]", "PL[W]"},
      {"KO[anything]", "KO[]"},
      {"AR[aa:cc][bb]", "AR[1,1-3,3][0,0-0,0]"},
      // Single values keep the first only; unknown identifiers keep all, raw.
      {"B[aa][bb]", ""},
      {"C[one][two]", "C[one]"},
      {"ZZ[a\\]b][c]", "ZZ[a\\]b][c]"},
      {"AP[x\\:y]", "AP[x\\:y]"},
  };
  for (const Case& c : cases) EXPECT_EQ(RootOf(c.in), c.out) << c.in;
}

TEST(PropertyValues, MoveInRootIsSplitOutWithItsFirstValue) {
  ParsedRecord record("(;B[aa][bb])");
  EXPECT_EQ(DescribeNode(record.collection.FirstRoot()->FirstChild()), "B[1,1]");
}

TEST(PropertyValues, TextTypesRemoveEscapesTheirOwnWay) {
  struct Case {
    const char* in;
    const char* text;
    const char* simple;
  } cases[] = {
      {"a\\]b", "a]b", "a]b"},
      {"line1\\\nline2", "line1\nline2", "line1line2"},
      {"line1\\\r\rline2", "line1\r\rline2", "line1 line2"},
      {"line1\\\n\rline2", "line1\n\rline2", "line1line2"},
      {"line1\\\r\nline2", "line1\r\nline2", "line1line2"},
      {"a\rb", "a\rb", "a b"},
      {"tab\there", "tab here", "tab here"},
      {"\\\\x", "\\x", "\\x"},
      {"\\\tx", " x", "\tx"},
      {"end\\", "end", "end"},
  };
  for (const Case& c : cases) {
    std::string text = c.in, simple = c.in;
    text.resize(UnescapeText(text.data(), text.size()));
    simple.resize(UnescapeSimpleText(simple.data(), simple.size()));
    EXPECT_EQ(text, c.text) << c.in;
    EXPECT_EQ(simple, c.simple) << c.in;
  }
}

TEST(PropertyValues, CommentKeepsSoftLineBreakThatGameNameLoses) {
  ParsedRecord record("(;C[line1\\\nline2]GN[line1\\\nline2]PB[a\nb])");
  const SgfNode* root = record.collection.FirstRoot();
  EXPECT_STREQ(root->PropertyString(PROP_C), "line1\nline2");
  EXPECT_STREQ(root->PropertyString(MakePropertyId("GN")), "line1line2");
  EXPECT_STREQ(root->PropertyString(PROP_PB), "a b") << "an unescaped LF arrives as CR and becomes a space";
}

TEST(PropertyTable, TypesAndMultiplicity) {
  struct Case {
    const char* id;
    ValueKind kind;
    bool list;
  } cases[] = {
      {"B", ValueKind::Point, false},   {"W", ValueKind::Point, false},
      {"C", ValueKind::Text, false},    {"ON", ValueKind::Text, false},
      {"AE", ValueKind::Point, true},   {"DD", ValueKind::Point, true},
      {"LB", ValueKind::Label, true},   {"MN", ValueKind::Number, false},
      {"OW", ValueKind::Number, false}, {"V", ValueKind::Real, false},
      {"KM", ValueKind::Real, false},   {"SZ", ValueKind::RawText, false},
      {"FG", ValueKind::RawText, false}, {"EV", ValueKind::SimpleText, false},
      {"CA", ValueKind::SimpleText, false}, {"N", ValueKind::SimpleText, false},
      {"PL", ValueKind::Color, false},  {"TE", ValueKind::Double, false},
      {"IT", ValueKind::None, false},   {"LN", ValueKind::PointPair, true},
      {"MT", ValueKind::RawText, true}, {"XA", ValueKind::RawText, true},
      {"M", ValueKind::RawText, true},  {"BX", ValueKind::RawText, true},
  };
  for (const Case& c : cases) {
    const PropertyType type = LookupPropertyType(MakePropertyId(c.id));
    EXPECT_EQ(type.kind, c.kind) << c.id;
    EXPECT_EQ(type.list, c.list) << c.id;
  }
}

TEST(PropertyId, LettersMakeTheIdentifier) {
  EXPECT_EQ(PROP_B, 0x4200);
  EXPECT_EQ(PROP_BR, 0x4252);
  EXPECT_EQ(MakePropertyId("XYZ"), MakePropertyId("XY"));
}

}  // namespace
}  // namespace tenukiro

namespace tenukiro {
namespace {

TEST(PropertyValues, RectanglesAreClippedToTheLetterRange) {
  testing::ParsedRecord record("(;AB[aa:~~]AW[AA:\x7f\x7f])");
  const SgfProperty* black = record.collection.FirstRoot()->FindProperty(PROP_AB);
  ASSERT_NE(black, nullptr);
  EXPECT_EQ(black->ValueCount(), static_cast<size_t>(kMaxRectangleCoordinate * kMaxRectangleCoordinate));
  for (const SgfValue* value : black->Values()) {
    EXPECT_GE(value->Point().column, 1);
    EXPECT_LE(value->Point().row, kMaxRectangleCoordinate);
  }
  // Corners far outside (-31 and 31) give the clipped square, not 63 x 63 points.
  EXPECT_EQ(record.collection.FirstRoot()->FindProperty(PROP_AW)->ValueCount(),
            static_cast<size_t>(kMaxRectangleCoordinate * kMaxRectangleCoordinate));
}

}  // namespace
}  // namespace tenukiro
