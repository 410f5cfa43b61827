#include "support/record_generator.h"

#include <string_view>

#include "support/go_position.h"

namespace tenukiro::testing {
namespace {

constexpr int kBlack = 2;
constexpr int kWhite = 4;

// Its own generator rather than a standard distribution, whose results differ between libraries.
class Random {
 public:
  explicit Random(uint32_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {}
  uint32_t Below(uint32_t n) { return static_cast<uint32_t>(Next() % n); }
  bool OneIn(uint32_t n) { return Below(n) == 0; }

 private:
  uint64_t Next() {  // splitmix64
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  uint64_t state_;
};

// A text in both encodings; null where Windows-1252 has no form of it.
struct Text {
  const char* utf8;
  const char* windows1252;
};

constexpr Text kPhrases[] = {
    {"Schwarz schlägt zurück.", "Schwarz schl\xe4" "gt zur\xfc" "ck."},
    {"Ça se défend — mais à quel prix ?", "\xc7" "a se d\xe9" "fend \x97 mais \xe0 quel prix ?"},
    {"“Tenuki” costs 5 € here…", "\x93Tenuki\x94 costs 5 \x80 here\x85"},
    {"Größter Fehler – Øresund, ñandú, æsir.", "Gr\xf6\xdf" "ter Fehler \x96 \xd8resund, \xf1" "and\xfa, \xe6sir."},
    {"A bracket ] and a backslash \\ in one comment.", "A bracket ] and a backslash \\ in one comment."},
    {"Two lines:\nthe second one.", "Two lines:\nthe second one."},
    {"Plain ASCII: the ladder works (see move 40).", "Plain ASCII: the ladder works (see move 40)."},
    {"黒の好手。白は苦しい。", nullptr},
    {"Белые сдаются?", nullptr},
};

constexpr Text kNames[] = {
    {"Jürgen Großmann", "J\xfcrgen Gro\xdf" "mann"},
    {"Séverine Lefèvre", "S\xe9verine Lef\xe8vre"},
    {"Zoë O’Brien", "Zo\xeb O\x92" "Brien"},
    {"Ana Núñez", "Ana N\xfa\xf1" "ez"},
    {"本因坊秀策", nullptr},
};

constexpr const char* kResults[] = {"B+R", "W+3.5", "B+12.5", "W+T", "0", "?"};

// SGF text values escape ']' and '\'.
std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == ']' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

std::string PointText(GoPosition::Point p) {
  return {static_cast<char>('a' + p.first - 1), static_cast<char>('a' + p.second - 1)};
}

class GameWriter {
 public:
  GameWriter(uint32_t seed, BoardShape shape)
      : random_(seed), shape_(shape), windows1252_(random_.OneIn(2)), position_(shape.columns, shape.rows) {}

  std::string GameTree() {
    std::string root = Root();
    const int points = shape_.columns * shape_.rows;
    std::string line = Line(position_, firstColour_, points / 2 + static_cast<int>(random_.Below(points / 2 + 1)), 0);
    return "(" + root + line + ")";
  }

 private:
  template <size_t N>
  std::string Pick(const Text (&texts)[N]) {
    for (;;) {
      const Text& text = texts[random_.Below(N)];
      if (!windows1252_) return text.utf8;
      if (text.windows1252) return text.windows1252;
    }
  }

  std::string Comment() {
    const int phrases = random_.OneIn(5) ? 3 + static_cast<int>(random_.Below(6)) : 1;
    std::string comment = Escaped(Pick(kPhrases));
    for (int i = 1; i < phrases; ++i) {
      // A backslash before a line break is a soft break; the writer of the record wrapped here.
      comment += random_.OneIn(4) ? "\\\n" : random_.OneIn(2) ? "\n" : " ";
      comment += Escaped(Pick(kPhrases));
    }
    return "C[" + comment + "]";
  }

  std::string Root() {
    std::string root = ";GM[1]FF[4]";
    if (random_.OneIn(2)) root += windows1252_ ? "CA[Windows-1252]" : "CA[UTF-8]";
    root += "SZ[" + std::to_string(shape_.columns);
    if (shape_.rows != shape_.columns) root += ":" + std::to_string(shape_.rows);
    root += "]KM[6.5]PB[" + Escaped(Pick(kNames)) + "]PW[" + Escaped(Pick(kNames)) + "]DT[20" +
            std::to_string(10 + random_.Below(15)) + "-0" + std::to_string(1 + random_.Below(9)) + "-1" +
            std::to_string(random_.Below(10)) + "]RE[" + kResults[random_.Below(std::size(kResults))] + "]";
    root += Handicap();
    return root + Comment();
  }

  // Handicap stones on the star points of a square board of 13 or more lines.
  std::string Handicap() {
    if (shape_.columns != shape_.rows || shape_.columns < 13 || !random_.OneIn(3)) return "";
    const int near = 4, far = shape_.columns - 3, centre = (shape_.columns + 1) / 2;
    const GoPosition::Point stars[] = {{far, near}, {near, far}, {far, far}, {near, near}, {centre, centre}};
    const int count = 2 + static_cast<int>(random_.Below(4));
    std::string text = "HA[" + std::to_string(count) + "]AB";
    for (int i = 0; i < count; ++i) {
      position_.SetStone(stars[i], kBlack);
      text += "[" + PointText(stars[i]) + "]";
    }
    firstColour_ = kWhite;
    return text + "PL[W]";
  }

  std::string Move(GoPosition& position, int colour) {
    std::string node = colour == kBlack ? ";B[" : ";W[";
    const std::vector<GoPosition::Point> legal = random_.OneIn(50) ? std::vector<GoPosition::Point>{}
                                                                   : position.LegalMoves(colour);
    if (legal.empty()) {
      position.Pass();
      // Both ways to write a pass: empty, or "tt" outside every board of up to 19 lines.
      node += random_.OneIn(2) ? "tt]" : "]";
    } else {
      const GoPosition::Point point = legal[random_.Below(static_cast<uint32_t>(legal.size()))];
      position.Play(colour, point);
      node += PointText(point) + "]";
    }
    return random_.OneIn(12) ? node + Comment() : node;
  }

  // A sequence of `moves` moves, which may split into the main continuation and a
  // side line; side lines split again now and then, down to a few levels.
  std::string Line(GoPosition position, int colour, int moves, int sideDepth) {
    std::string line;
    for (int i = 0; i < moves; ++i) {
      if (branches_ > 0 && moves - i > 3 && sideDepth < 3 && random_.OneIn(sideDepth == 0 ? 25 : 5)) {
        --branches_;
        std::string main = Line(position, colour, moves - i, sideDepth);
        std::string side = Line(position, colour, 2 + static_cast<int>(random_.Below(12)), sideDepth + 1);
        return line + "(" + main + ")(" + side + ")";
      }
      line += Move(position, colour);
      colour = colour == kBlack ? kWhite : kBlack;
    }
    if (sideDepth == 0 && random_.OneIn(2)) line += colour == kBlack ? ";B[];W[]" : ";W[];B[]";
    return line;
  }

  Random random_;
  BoardShape shape_;
  bool windows1252_;
  GoPosition position_;
  int firstColour_ = kBlack;
  int branches_ = 8;
};

}  // namespace

std::string RandomGameRecord(uint32_t seed, BoardShape shape) { return GameWriter(seed, shape).GameTree(); }

std::string RandomCollection(uint32_t seed, const std::vector<BoardShape>& shapes) {
  std::string collection;
  for (const BoardShape& shape : shapes) collection += RandomGameRecord(seed++, shape) + "\n";
  return collection;
}

}  // namespace tenukiro::testing
