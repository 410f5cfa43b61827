#include "assistant/game_info.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "base/language.h"

namespace tenukiro {
namespace {

using Lines = std::vector<std::string>;

// Runs a test body in one language and puts English back afterwards.
class InLanguage {
 public:
  explicit InLanguage(bool french) { SetFrench(french); }
  ~InLanguage() { SetFrench(false); }
};

Lines LinesFor(const GameInfoTexts& texts, bool french) {
  const InLanguage language(french);
  CGameInfo info;
  info.SetInfo(texts);
  const std::vector<std::string_view> lines = info.Lines();
  EXPECT_EQ(info.GetLineCount(), static_cast<int>(lines.size()));
  return Lines(lines.begin(), lines.end());
}

std::string ResultLine(const char* re, bool french) {
  std::string record = re;  // the record's own text, which must stay as it is
  GameInfoTexts texts;
  texts.result = record.data();
  const Lines lines = LinesFor(texts, french);
  EXPECT_EQ(record, re);
  return lines.size() == 1 ? lines[0] : "(" + std::to_string(lines.size()) + " lines)";
}

struct ResultCase {
  const char* re;
  const char* english;
  const char* french;
};

// In rule order: the resign, forfeit and time rules must win over the points rule.
constexpr ResultCase kResults[] = {
    {"B+R", "Black wins by resign", "Noir gagne par abandon"},
    {"b+r", "Black wins by resign", "Noir gagne par abandon"},
    {"B+Resign", "Black wins by resign", "Noir gagne par abandon"},
    {"W+R", "White wins by resign", "Blanc gagne par abandon"},
    {"B+F", "Black wins by forfeit", "Noir gagne par forfait"},
    {"w+forfeit", "White wins by forfeit", "Blanc gagne par forfait"},
    {"B+Time", "Black wins on time", "Noir gagne au temps"},
    {"W+T", "White wins on time", "Blanc gagne au temps"},
    {"B+3.5", "Black wins by 3.5 point(s)", "Noir gagne de 3,5 point(s)"},
    {"W+12.5", "White wins by 12.5 point(s)", "Blanc gagne de 12,5 point(s)"},
    {"w+7", "White wins by 7 point(s)", "Blanc gagne de 7 point(s)"},
    {"B+0.5 (1.5 komi)", "Black wins by 0.5 (1.5 komi) point(s)", "Noir gagne de 0,5 (1.5 komi) point(s)"},
    {"B+", "Black wins", "Noir gagne"},
    {"W+", "White wins", "Blanc gagne"},
    {"0", "Draw game", "Partie nulle"},
    {"DRAW", "Draw game", "Partie nulle"},
    {"Draw by agreement", "Draw game", "Partie nulle"},
    {"Void", "No result", "Pas de r\xC3\xA9sultat"},
    {"?", "?", "?"},
    {"Jigo 0.5", "Jigo 0.5", "Jigo 0,5"},
    {"B-R", "B-R", "B-R"},
};

TEST(GameInfoResult, RulesInOrderInBothLanguages) {
  for (const ResultCase& c : kResults) {
    SCOPED_TRACE(c.re);
    EXPECT_EQ(ResultLine(c.re, false), c.english);
    EXPECT_EQ(ResultLine(c.re, true), c.french);
  }
}

TEST(GameInfoResult, ComposingAgainGivesTheSameLine) {
  std::string record = "W+1.5 (a.b)";
  GameInfoTexts texts;
  texts.result = record.data();
  const InLanguage french(true);
  CGameInfo info;
  info.SetInfo(texts);
  const std::string first(info.Lines()[0]);
  info.SetInfo(texts);
  EXPECT_EQ(info.Lines()[0], first);
  EXPECT_EQ(first, "Blanc gagne de 1,5 (a.b) point(s)");
  EXPECT_EQ(record, "W+1.5 (a.b)");
}

struct LinesCase {
  const char* name;
  GameInfoTexts texts;
  Lines english;
  Lines french;
};

const LinesCase kLines[] = {
    {"nothing", {}, {"No information"}, {"Pas d'information"}},
    {"empty texts are absent", {"", "", "", "", "", "", ""}, {"No information"}, {"Pas d'information"}},
    {"event and date", {"Meijin", "2001-05-06"}, {"Meijin (2001-05-06)"}, {"Meijin (2001-05-06)"}},
    {"date alone", {nullptr, "2001"}, {"2001"}, {"2001"}},
    {"event alone", {"Kisei", ""}, {"Kisei"}, {"Kisei"}},
    {"black rank alone", {nullptr, nullptr, nullptr, "1d"}, {"Black: ??? (1d) - White: ???"},
     {"Noir : ??? (1d) - Blanc : ???"}},
    {"white player alone", {nullptr, nullptr, nullptr, nullptr, "Go Seigen"}, {"Black: ??? - White: Go Seigen"},
     {"Noir : ??? - Blanc : Go Seigen"}},
    {"event and result", {"Honinbo", nullptr, nullptr, nullptr, nullptr, nullptr, "B+R"},
     {"Honinbo", "Black wins by resign"}, {"Honinbo", "Noir gagne par abandon"}},
    {"everything",
     {"Oteai", "1950", "Sakata", "7d", "Takagawa", "8d", "W+2"},
     {"Oteai (1950)", "Black: Sakata (7d) - White: Takagawa (8d)", "White wins by 2 point(s)"},
     {"Oteai (1950)", "Noir : Sakata (7d) - Blanc : Takagawa (8d)", "Blanc gagne de 2 point(s)"}},
};

TEST(GameInfoLines, TitlePlayersAndResultInBothLanguages) {
  for (const LinesCase& c : kLines) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LinesFor(c.texts, false), c.english);
    EXPECT_EQ(LinesFor(c.texts, true), c.french);
  }
}

TEST(GameInfoSnapshot, ChangedMeansOtherReferencesNotOtherText) {
  std::string a = "B+R";
  std::string b = "B+R";
  GameInfoTexts first;
  first.result = a.data();
  CGameInfo info;
  EXPECT_FALSE(info.ChangedSinceSnapshot());
  info.SetInfo(first);
  EXPECT_TRUE(info.ChangedSinceSnapshot());
  info.CommitSnapshot();
  EXPECT_FALSE(info.ChangedSinceSnapshot());
  info.SetInfo(first);
  EXPECT_FALSE(info.ChangedSinceSnapshot());
  GameInfoTexts second = first;
  second.result = b.data();
  info.SetInfo(second);
  EXPECT_TRUE(info.ChangedSinceSnapshot());
  info.CommitSnapshot();
  second.event = a.data();
  info.SetInfo(second);
  EXPECT_TRUE(info.ChangedSinceSnapshot());
}

int WidthOf(std::string_view line, int rMinus1) {
  Raster none;
  Canvas canvas(none);
  canvas.SelectFont(GameInfoFont(rMinus1));
  return canvas.GetTextExtent(line).width;
}

TEST(GameInfoWidth, WidestLineInTheFontOfTheRadius) {
  const GameInfoTexts texts{"A very long event name indeed", "2020", "B", nullptr, "W", nullptr, "B+R"};
  CGameInfo info;
  info.SetInfo(texts);
  for (const int rMinus1 : {1, 5, 11, 30}) {
    SCOPED_TRACE(rMinus1);
    int widest = 0;
    for (std::string_view line : info.Lines()) widest = std::max(widest, WidthOf(line, rMinus1));
    EXPECT_EQ(info.GetMaxWidth(rMinus1), widest);
    EXPECT_EQ(info.MaxWidth(rMinus1), widest);
    EXPECT_EQ(widest, WidthOf("A very long event name indeed (2020)", rMinus1));
  }
  EXPECT_GT(info.GetMaxWidth(11), info.GetMaxWidth(5));
  EXPECT_EQ(GameInfoFont(11).height(), 16);
  EXPECT_EQ(GameInfoFont(1).height(), 1);
  EXPECT_EQ(GameInfoFont(0).height(), 1);
}

// The rows and columns holding any pixel other than the background.
Rect InkBox(const Raster& raster, Color background, int top, int bottom) {
  Rect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = top; y < bottom; ++y) {
    for (int x = 0; x < raster.width(); ++x) {
      if (raster.GetPixel(x, y) == background) continue;
      box = Rect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    }
  }
  return box.IsEmpty() ? Rect{} : box;
}

TEST(GameInfoDraw, LinesStandOnePitchApartCentredUnderTheShownColumns) {
  constexpr Color kPage = Rgb(255, 255, 255);
  constexpr Color kBack = Rgb(0, 0, 255);
  const GameInfoTexts texts{"Event", "Date", "Black player", nullptr, "W", nullptr, "Void"};
  CGameInfo info;
  info.SetInfo(texts);
  BoardLayout layout;
  layout.R = 10;
  layout.Rm1 = 9;
  layout.D = 20;
  layout.X0 = 30;
  layout.Y0 = 20;
  const ViewRectangle view{2, 1, 6, 5};
  Raster raster(260, 240, kPage);
  Canvas canvas(raster);
  const Rect written = info.Draw(canvas, layout, view, Rgb(255, 255, 0), kBack);

  const int centre = 30 + 20 * 1 + (6 - 2 + 2) * 20 / 2;
  const int height = GameInfoFont(9).height();
  int i = 0;
  for (std::string_view line : info.Lines()) {
    SCOPED_TRACE(line);
    const int top = 20 * (i++ + 5 + 1) + 20 - 10 + 2;
    const int width = WidthOf(line, 9);
    // The opaque background spans the advance widths; a glyph may reach a pixel further right.
    const Rect ink = InkBox(raster, kPage, top - 1, top + 20 - 1);
    EXPECT_EQ(ink.left, centre - width / 2);
    EXPECT_EQ(ink.top, top);
    EXPECT_EQ(ink.bottom, top + height);
    EXPECT_GE(ink.right, centre - width / 2 + width);
    EXPECT_LE(ink.right, centre - width / 2 + width + 2);
    EXPECT_EQ(raster.GetPixel(ink.left, ink.top), kBack);
  }
  EXPECT_EQ(i, 3);
  // Everything written lies inside the rectangle handed back, which is no larger than that.
  EXPECT_EQ(InkBox(raster, kPage, 0, raster.height()), written);
}

}  // namespace
}  // namespace tenukiro
