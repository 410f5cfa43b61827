// The reader's fast paths against its general reading: random and mutated record
// text must give the same tree both ways, node by node, property by property and
// value by value.
#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <utility>

#include "base/random_source.h"
#include "sgf/game_file.h"
#include "sgf_test_support.h"

namespace tenukiro {
namespace {

// Empty when both readings of `bytes` give the same tree.
std::string ReadingsDiffer(const std::string& bytes) {
  static testing::ReadingComparison comparison;
  return comparison.Compare(bytes);
}

// The comparison itself: records that differ in shape, properties or values, or
// in length, are told apart.
TEST(ReadingEquivalence, TheComparisonSeesEveryKindOfDifference) {
  const std::pair<const char*, const char*> pairs[] = {
      {"(;SZ[9](;B[aa])(;W[bb]))", "(;SZ[9];B[aa];W[bb])"},
      {"(;SZ[9];B[aa])(;SZ[9];W[bb])", "(;SZ[9];B[aa];W[bb])"},
      {"(;SZ[9];B[aa])", "(;SZ[9];W[aa])"},
      {"(;SZ[9];B[aa])", "(;SZ[9];B[ab])"},
      {"(;SZ[9]AB[aa][bb])", "(;SZ[9]AB[aa])"},
      {"(;SZ[9]C[a]GN[b])", "(;SZ[9]C[a])"},
      {"(;SZ[9]LB[aa:x])", "(;SZ[9]LB[aa:y])"},
      {"(;SZ[9];B[aa])", "(;SZ[9];B[aa];W[bb])"},
      {"(;SZ[9])", "(;SZ[13])"},
  };
  for (const auto& [first, second] : pairs) {
    testing::ParsedRecord a(first);
    testing::ParsedRecord b(second);
    EXPECT_NE(testing::FirstDifference(a.collection, a.text, b.collection, b.text), "") << first << " " << second;
  }
}

TEST(ReadingEquivalence, NodesOfEveryShape) {
  const char* cases[] = {
      "(;SZ[9];B[a\\])",
      "(;SZ[9];B[a\\]];W[bb])",
      "(;SZ[9];B[\\]a];W[b\\\\])",
      "(;SZ[9];B[a\nb];W[c\n];B[d\\\n])",
      "(;SZ[9];B[aa]\n;W[bb] \t(;B[cc])\r\n(;B[dd]))",
      "(;AddBlack[aa][bb]Black[cc];White[dd]Comment[x])",
      "(;AB[pd]AB[dp]AW[aa]AB[pp];B[qq]B[rr];L[aa]LB[bb:x]L[cc])",
      "( [ ;B x[aa] )",
      "([ ;B[a\nb] ;W[cc])",
      "(;B[aa]\\;W[bb])",
      "(;B[aa] ] ;W[bb]])",
      "(;[aa]B[bb];AB CD[cc];ABC[dd]EF)",
      "(;C[a;b(c)d];B[aa]C[x\\",
      "(;SZ[9];B[aa];W[bb]",
      "\\(;B[aa])",
      "(;B[aa]MA[bb]M[cc]MA[dd])",
      "(PB[a]EV[(x)];B[aa])",
      "(PB[a](;B[aa])(;B[bb]))",
      "( [ (PB[a];B[aa]) ]",
      "(PB[a\\];B[aa])",
      "(;CA[Shift_JIS]C[\x83\x5c];B[aa]C[\x83\x5d];W[\\\x83\x5c])",
      "(CA[Big5]PB[\xb3\x5c]\n;B[aa]C[\xa4\x5d\xa4",
  };
  for (const char* text : cases) EXPECT_EQ(ReadingsDiffer(text), "") << text;
}

// Pieces that make the usual and the unusual shapes of node, and the bytes that
// change how a text falls into values.
const std::string kPieces[] = {
    ";B[cd]", ";W[ef]", ";B[a\\]", ";W[\\]]", "(", ")", "(;", ";", "[", "]", "\\", "\n", "\r\n", " ",
    "AB[aa]", "AB", "[bb]", "[aa:cc]", "C[x\\]y\nz]", "AddBlack", "x", "L[aa]", "LB[aa:hi]", "SZ[9]",
    "KM[6,5]", "MN[-3]", "ZZ[q]", "XYZ[", "\xe9", "B[", "W[]", "AB[pd]AB[dp]", "DM[1]", "\\\n", "[a\\\\]",
};

std::string RandomText(std::mt19937& random) {
  std::string text;
  const int count = static_cast<int>(random() % 60);
  for (int i = 0; i < count; ++i) text += kPieces[random() % std::size(kPieces)];
  return text;
}

// Bytes that pair into characters of a double-byte charset, or do not.
const std::string kDoubleBytePieces[] = {"\x83\x5c", "\x83\x5d", "\xb3\x5c", "\x81\x5c", "\x95", "\x83", "\xa4\x5d",
                                         "\x83\n", "\\\x83\x5c", "\x5c\x5d", "\xfc["};

TEST(ReadingEquivalence, RandomTextInDoubleByteCharsets) {
  std::mt19937 random(17);
  const char* const labels[] = {"Shift_JIS", "Big5", "GBK"};
  for (int round = 0; round < 3000; ++round) {
    std::string text = std::string("(;CA[") + labels[round % 3] + "]";
    const int count = static_cast<int>(random() % 60);
    for (int i = 0; i < count; ++i) {
      text += random() % 2 ? kDoubleBytePieces[random() % std::size(kDoubleBytePieces)]
                           : kPieces[random() % std::size(kPieces)];
    }
    ASSERT_EQ(ReadingsDiffer(text), "") << text;
  }
}

TEST(ReadingEquivalence, RandomText) {
  std::mt19937 random(11);
  for (int round = 0; round < 4000; ++round) {
    const std::string text = RandomText(random);
    ASSERT_EQ(ReadingsDiffer(text), "") << text;
  }
}

const char* const kRecords[] = {
    ("(;FF[4]GM[1]SZ[19]PB[Black]PW[White]KM[6.5]HA[2]AB[pd]AB[dp]C[A comment\nwith lines \\] and escapes]\n"
     ";B[qd];W[dc]\n(;B[ce]LB[aa:A][bb:B]TR[cc]CR[dd:ee];W[ff])\n(;B[ee]C[second\r\nline];W[gg]))"),
    "(;GaMe[1]SiZe[19]Comment[old style]\n;Black[pd]\n;White[dp]VieW[]\n;Black[]) (;SZ[9];B[aa])",
    "(;SZ[9]AB[aa:cc]AW[dd]MA[ee][ff]MN[3];W[gg]BL[12.5]OW[3];B[hh]\n(;W[ii])(;W[ab](;B[bc])))",
};

// Changes a few bytes of `text`: a byte replaced, a piece inserted, a stretch
// deleted or repeated.
std::string Mutate(std::string text, std::mt19937& random) {
  const char special[] = "[]\\();\nAB ";
  const int changes = 1 + static_cast<int>(random() % 4);
  for (int change = 0; change < changes && !text.empty(); ++change) {
    const size_t at = random() % text.size();
    const size_t length = std::min<size_t>(1 + random() % 12, text.size() - at);
    switch (random() % 4) {
      case 0: text[at] = random() % 2 ? special[random() % (sizeof special - 1)] : static_cast<char>(random()); break;
      case 1: text.insert(at, kPieces[random() % std::size(kPieces)]); break;
      case 2: text.erase(at, length); break;
      default: text.insert(at, text.substr(at, length)); break;
    }
  }
  return text;
}

TEST(ReadingEquivalence, MutatedRecords) {
  SeedRandom(3, true);
  SgfText game = MakeRandomGameText();
  const std::string randomGame(game.Bytes(), game.Size());
  std::mt19937 random(5);
  for (int round = 0; round < 3000; ++round) {
    const std::string base = round % 4 == 3 ? randomGame : kRecords[random() % std::size(kRecords)];
    const std::string text = Mutate(base, random);
    ASSERT_EQ(ReadingsDiffer(text), "") << text;
  }
}

}  // namespace
}  // namespace tenukiro
