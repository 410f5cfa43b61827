// Records written the way Japanese, Chinese and Taiwanese programs write them, in their
// charsets, against their UTF-8 twins: the same boards at every step, the same comments
// and the same game-information lines, in English and in French.
#include <gtest/gtest.h>
#include <iconv.h>

#include <memory>
#include <string>
#include <vector>

#include "assistant/game_info.h"
#include "base/language.h"
#include "text/text_encoding.h"
#include "replay/loaded_record.h"

namespace tenukiro {
namespace {

// UTF-8 text in another charset, through iconv; empty when a character has no place in it.
std::string Encode(const std::string& utf8, const char* charset) {
  iconv_t cd = iconv_open(charset, "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  std::string out(utf8.size() * 4, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* to = out.data();
  size_t toLeft = out.size();
  const size_t result = iconv(cd, &in, &inLeft, &to, &toLeft);
  iconv_close(cd);
  if (result == static_cast<size_t>(-1)) return {};
  out.resize(out.size() - toLeft);
  return out;
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  text.replace(text.find(from), from.size(), to);
  return text;
}

struct Case {
  const char* name;
  const char* charset;  // what iconv writes the record in
  const char* ca;       // the CA value written, or null for none
  const char* record;   // UTF-8, "{CA}" where the CA property goes
};

// Every text holds characters whose second byte is '\' or ']', inside values and at their
// ends; results are not in SGF's syntax and are shown as written.
const Case kCases[] = {
    {"japanese", "CP932", "Shift_JIS",
     "(;FF[4]GM[1]SZ[9]{CA}PB[申眞ソ]BR[九段]PW[趙治勲]EV[本因坊戦 予選]DT[2024-05-01]RE[黒中押し勝ち]"
     "C[表\\\n能十ゾ];B[cc]C[ソ];W[gg]C[予選の十局目ゾ](;B[cg]C[能];W[gc])(;B[gc]C[十]))"},
    {"japanese_undeclared", "CP932", nullptr,
     "(;FF[4]GM[1]SZ[9]{CA}PB[申眞ソ]PW[趙治勲]EV[本因坊戦予選]RE[黒中押し勝ち]C[黒の先手です。今日の対局は予選です。]"
     ";B[cc]C[これは定石です。表ソ];W[gg]C[ゾ];B[cg])"},
    {"japanese_before_first_node", "CP932", nullptr,
     "({CA}PB[申眞ソ]PW[趙治勲]EV[本因坊戦予選]RE[黒中押し勝ち]C[黒の先手です。今日の対局は予選です。]\n"
     ";B[cc]C[これは定石です。];W[gg];B[cg])"},
    {"taiwanese", "BIG5-HKSCS", "Big5",
     "(;FF[4]SZ[9]{CA}PB[許功也]PW[林海峰]EV[功也盃]RE[黑中盤勝]C[許\\\n功];B[cc]C[也];W[gg]C[許功];B[cg])"},
    {"taiwanese_undeclared", "BIG5-HKSCS", nullptr,
     "(;FF[4]SZ[9]{CA}PB[許功也]PW[林海峰]EV[名人戰]RE[黑中盤勝]C[這是一盤很有趣的對局。黑方先下。]"
     ";B[cc]C[這是定式。功];W[gg]C[也];B[cg])"},
    {"chinese", "GBK", "GB2312",
     "(;FF[4]SZ[9]{CA}PB[乗揮]PW[慮]EV[揮慮杯]RE[黑中盘胜]C[乗\\\n揮];B[cc]C[慮];W[gg]C[乗揮慮];B[cg])"},
};

// What one step of a record shows: every point of the board, the comment and the
// information lines, as UTF-8.
struct Shown {
  std::vector<uint16_t> points;
  std::string comment;
  std::vector<std::string> lines;
  bool operator==(const Shown&) const = default;
};

Shown Show(const LoadedRecord& record) {
  Shown shown;
  for (int column = 0; column <= 20; ++column) {
    for (int row = 0; row <= 20; ++row) shown.points.push_back(record.GetBoard().PointWord(column, row));
  }
  const TextEncoding encoding = TextEncoding::OfGame(record.Collection().CurrentRoot());
  if (record.State().commentText) shown.comment = ToUtf8(record.State().commentText, encoding);
  CGameInfo info;
  info.SetInfo(record.State().gameInfo, encoding);
  for (std::string_view line : info.Lines()) shown.lines.emplace_back(line);
  return shown;
}

// Every step of a record, as shown.
std::vector<Shown> Play(const std::string& text) {
  SettingsRecord settings;
  LoadedRecord record{SgfText(text), settings};
  std::vector<Shown> steps{Show(record)};
  for (LoadedRecord::Step step = record.NextStep(); step.node; step = record.NextStep()) {
    record.ApplyStep(step);
    steps.push_back(Show(record));
  }
  return steps;
}

TEST(RecordCharsets, RecordsReplayAndReadAsTheirUtf8Twins) {
  for (const bool french : {false, true}) {
    SetFrench(french);
    for (const Case& c : kCases) {
      const std::string ca = c.ca ? std::string("CA[") + c.ca + "]" : std::string();
      const std::string utf8 = Replace(c.record, "{CA}", "");
      const std::string encoded = Encode(Replace(c.record, "{CA}", ca), c.charset);
      ASSERT_FALSE(encoded.empty()) << c.name;
      const std::vector<Shown> twin = Play(utf8);
      const std::vector<Shown> steps = Play(encoded);
      ASSERT_EQ(steps.size(), twin.size()) << c.name;
      for (size_t i = 0; i < twin.size(); ++i) EXPECT_EQ(steps[i], twin[i]) << c.name << " step " << i;
      // The game information is there, its result as written.
      ASSERT_EQ(twin.front().lines.size(), 3u) << c.name;
      EXPECT_NE(twin.front().lines[2].find("\xe4\xb8\xad"), std::string::npos) << c.name;  // 中
    }
  }
  SetFrench(false);
}

}  // namespace
}  // namespace tenukiro
