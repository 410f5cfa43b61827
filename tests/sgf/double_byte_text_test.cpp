// Records in double-byte charsets, whose characters' second bytes can be '\' or ']':
// the reader keeps such a character whole, in the values, at their ends, after an
// escape, whether the charset is declared or detected.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "sgf/record_charset.h"
#include "sgf/sgf_normalize.h"
#include "sgf_test_support.h"

namespace tenukiro {
namespace {

using testing::ParsedRecord;

// Characters whose second byte is '\' (0x5C) or ']' (0x5D), as each charset writes them.
struct CharsetCase {
  const char* label;
  std::string backslashed;  // two characters ending in 0x5C
  std::string bracketed;    // one character ending in 0x5D
};

const CharsetCase kCases[] = {
    {"Shift_JIS", "\x83\x5c\x95\x5c", "\x83\x5d"},  // ソ表, ゾ
    {"Big5", "\xb3\x5c\xa5\x5c", "\xa4\x5d"},       // 許功, 也
    {"GB2312", "\x81\x5c\x93\x5c", "\x93\x5d"},     // 乗 and a character ending in 0x5C, 揮
    {"GBK", "\x97\x5c\x94\x5c", "\x91\x5d"},
};

// A record whose every text value holds, and ends with, characters of the case.
std::string RecordIn(const CharsetCase& c, bool declared) {
  const std::string b = c.backslashed;
  const std::string r = c.bracketed;
  std::string text = "(;FF[4]";
  if (declared) text += std::string("CA[") + c.label + "]";
  text += "SZ[9]PB[x" + b + "]PW[" + r + "]EV[" + b + r + "]C[" + b + "\\\nnext" + r + "]";
  text += ";B[cc]C[" + b + "];W[gg]C[" + r + "]GN[\\" + b + "];B[cg])";
  return text;
}

TEST(DoubleByteText, CharactersEndingInBackslashOrBracketStayWhole) {
  for (const CharsetCase& c : kCases) {
    for (Reading reading : {Reading::Fast, Reading::GeneralOnly}) {
      ParsedRecord record(RecordIn(c, true), reading);
      const std::vector<std::string> nodes = record.ShowOrder();
      const std::string b = c.backslashed;
      const std::string r = c.bracketed;
      ASSERT_EQ(nodes.size(), 4u) << c.label;
      EXPECT_EQ(nodes[0], "FF[4]CA[" + std::string(c.label) + "]SZ[9]PB[x" + b + "]PW[" + r + "]EV[" + b + r +
                              "]C[" + b + "\nnext" + r + "]")
          << c.label;
      EXPECT_EQ(nodes[1], "B[3,3]C[" + b + "]") << c.label;
      // An escape takes the whole character along; a simple text loses the backslash.
      EXPECT_EQ(nodes[2], "W[7,7]C[" + r + "]GN[" + b + "]") << c.label;
      EXPECT_EQ(nodes[3], "B[3,7]") << c.label;
    }
  }
}

// Without the charset, the same bytes read as escapes and value ends: the moves are lost.
TEST(DoubleByteText, ByteByByteTheSameRecordLosesMoves) {
  ParsedRecord record("(;CA[ISO-8859-1]SZ[9]C[\x83\x5c];B[cc];W[gg])");
  EXPECT_EQ(record.ShowOrder().size(), 2u);
}

TEST(DoubleByteText, UndeclaredShiftJisAndBig5AreDetected) {
  // Names and comments as the records of Japanese and Taiwanese programs hold them.
  const std::pair<std::string, const char*> samples[] = {
      {"(;PB[\x90\x5c\xe1\xc1\x83\x5c]PW[\x92\xa3\x9e\x7a]RE[\x8d\x95\x92\x86\x89\x9f\x82\xb5\x8f\x9f\x82\xbf]"
       "C[\x8d\x95\x82\xcc\x90\xe6\x8e\xe8\x82\xc5\x82\xb7\x81\x42\x8d\xa1\x93\xfa\x82\xcc\x91\xce\x8b\xc7\x82\xcd"
       "\x97\x5c\x91\x49\x82\xc5\x82\xb7\x81\x42];B[pd]C[\x82\xb1\x82\xea\x82\xcd\x92\xe8\x90\xce\x82\xc5\x82\xb7])",
       "CP932"},
      {"(;PB[\xb3\x5c\xa5\x5c\xa4\x5d]PW[\xaa\x4c\xae\xfc\xae\x70]RE[\xb6\xc2\xa4\xa4\xbd\x4c\xb3\xd3]"
       "C[\xb3\x6f\xac\x4f\xa4\x40\xbd\x4c\xab\xdc\xa6\xb3\xbd\xec\xaa\xba\xb9\xef\xa7\xbd\xa1\x43\xb6\xc2\xa4\xe8"
       "\xa5\xfd\xa4\x55\xa1\x43];B[pd]C[\xb3\x6f\xac\x4f\xa9\x77\xa6\xa1])",
       "BIG5-HKSCS"},
  };
  for (const auto& [text, charset] : samples) {
    const RecordCharset found = FindRecordCharset(text);
    EXPECT_EQ(found.name, charset) << text;
    EXPECT_FALSE(found.declared);
    ParsedRecord record(text);
    EXPECT_EQ(record.ShowOrder().size(), 2u) << text;
  }
}

TEST(DoubleByteText, FirstLookFindsTheRootsCharset) {
  const std::pair<const char*, const char*> cases[] = {
      {"(;FF[4]CA[Shift_JIS]SZ[19];B[aa])", "Shift_JIS"},
      {"\xef\xbb\xbf  (;GM[1]\nCA[ big5 ];B[aa])", " big5 "},
      {"(;PB[\x95\x5c]CA[GBK])", "GBK"},
      {"(;C[a]CCA[x];B[aa])", ""},                // part of a longer identifier
      {"(;SZ[19];B[aa]CA[Shift_JIS])", ""},       // after the first move: not the root's
      {"CA[Big5](;SZ[19])", ""},                  // before the first game tree
      {"(;CA[Shift_JIS", ""},                     // never closed
  };
  for (const auto& [text, declared] : cases) EXPECT_EQ(DeclaredCharset(text), declared) << text;
  EXPECT_EQ(FindRecordCharset("(;CA[Shift_JIS])").doubleByte, DoubleByteCharset::Of(ByteLayout::ShiftJis));
  EXPECT_EQ(FindRecordCharset("(;CA[EUC-KR])").doubleByte, nullptr);
  EXPECT_EQ(FindRecordCharset("(;CA[EUC-KR])").name, "CP949");
}

TEST(DoubleByteText, TextThatIsAsciiOrUtf8IsNotDetected) {
  const char* cases[] = {"(;PB[Honinbo Shusaku];B[aa])", "(;PB[\xe7\x94\xb3\xe7\x9c\x9e\xe3\x82\xbd];B[aa])", ""};
  for (const char* text : cases) EXPECT_EQ(FindRecordCharset(text).name, "") << text;
}

// The detector sees only the values that hold text beyond ASCII, a few kilobytes of them,
// however large the record.
TEST(DoubleByteText, SampleIsBoundedAndTakesOnlyTextBeyondAscii) {
  EXPECT_EQ(CharsetSample("(;PB[plain]PW[\x83\x5d]C[a\x95\\]b]\n;B[aa])"), "\x83\x5d\na\x95\\]b\n");
  std::string large = "(;SZ[19]";
  while (large.size() < (8u << 20)) large += ";B[aa]C[\x8d\x95\x82\xcc\x90\xe6\x8e\xe8]";
  EXPECT_LE(CharsetSample(large).size(), 4097u);
}

// Normalising piece by piece gives what normalising the whole text gives, also when a
// piece ends between a character's two bytes.
TEST(DoubleByteText, PiecewiseNormalisationKeepsCharactersWhole) {
  const DoubleByteCharset* charset = DoubleByteCharset::Of(ByteLayout::ShiftJis);
  std::mt19937 random(8);
  const std::string pieces[] = {"[", "]", "\\", "\n", "\x83\x5c", "\x83\x5d", "\x95", "A", " ", ";", "\x83"};
  for (int round = 0; round < 500; ++round) {
    std::string raw;
    for (int i = 0; i < 40; ++i) raw += pieces[random() % std::size(pieces)];
    std::string whole = raw + '\0';
    const size_t length = NormalizeSgfText(whole.data(), raw.size(), charset);
    std::string piecewise = raw + '\0';
    size_t read = 0, write = 0;
    bool inValue = false;
    for (size_t limit = 0; read < raw.size();) {
      limit = std::min(raw.size(), limit + 1 + random() % 5);
      NormalizeRange(piecewise.data(), raw.size(), limit, read, write, inValue, charset);
    }
    ASSERT_EQ(piecewise.substr(0, write), whole.substr(0, length)) << raw;
  }
}

}  // namespace
}  // namespace tenukiro
