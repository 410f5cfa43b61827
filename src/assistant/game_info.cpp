#include "assistant/game_info.h"

#include <algorithm>
#include <climits>
#include <tuple>

#include "base/string_table.h"
#include "base/text_compare.h"
#include "render/screen_text_font.h"

namespace tenukiro {
namespace {

// The game's texts as UTF-8; an absent text stays empty.
struct Utf8Texts {
  std::string event, date, blackPlayer, blackRank, whitePlayer, whiteRank, result;
};

std::string Utf8(const char* text, const TextEncoding& encoding) { return text ? ToUtf8(text, encoding) : std::string(); }

Utf8Texts Utf8Of(const GameInfoTexts& t, const TextEncoding& e) {
  return Utf8Texts{Utf8(t.event, e),       Utf8(t.date, e),       Utf8(t.blackPlayer, e), Utf8(t.blackRank, e),
                   Utf8(t.whitePlayer, e), Utf8(t.whiteRank, e), Utf8(t.result, e)};
}

std::string_view Or(std::string_view text, std::string_view absent) { return text.empty() ? absent : text; }

bool StartsIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

std::string Join(std::initializer_list<std::string_view> parts) {
  std::string out;
  for (std::string_view part : parts) out += part;
  return out;
}

std::string TitleLine(const Utf8Texts& info) {
  if (!info.event.empty() && !info.date.empty()) return Join({info.event, " (", info.date, ")"});
  return std::string(Or(info.event, info.date));
}

std::string RankPart(const std::string& rank) { return rank.empty() ? std::string() : Join({" (", rank, ")"}); }

std::string PlayersLine(const Utf8Texts& info) {
  if (info.blackPlayer.empty() && info.blackRank.empty() && info.whitePlayer.empty() && info.whiteRank.empty()) {
    return {};
  }
  return Join({LoadString(StringId::kBlackLabel), ": ", Or(info.blackPlayer, "???"), RankPart(info.blackRank), " - ",
               LoadString(StringId::kWhiteLabel), ": ", Or(info.whitePlayer, "???"), RankPart(info.whiteRank)});
}

// A win by points: the margin after the first '+', or a plain win without one.
std::string PointsWin(std::string_view result, StringId byPoints, StringId plainWin) {
  const std::string_view margin = result.substr(result.find('+') + 1);
  if (margin.empty()) return std::string(LoadString(plainWin));
  return Join({LoadString(byPoints), margin, LoadString(StringId::kPointsAfterMargin)});
}

struct ResultRule {
  std::string_view prefix;
  StringId line;
};

// The first rule whose prefix starts the result decides; the order matters ("B+R" before "B+").
constexpr ResultRule kFixedResults[] = {
    {"B+R", StringId::kBlackWinsByResign},  {"W+R", StringId::kWhiteWinsByResign},
    {"B+F", StringId::kBlackWinsByForfeit}, {"W+F", StringId::kWhiteWinsByForfeit},
    {"B+T", StringId::kBlackWinsOnTime},    {"W+T", StringId::kWhiteWinsOnTime},
};

// The result's line; the record keeps its own text: the comma goes into the line only, so composing
// the same game again (each replay from its root does) gives the same line.
std::string ResultLine(std::string result) {
  if (result.empty()) return {};
  if (const auto dot = result.find('.'); dot != std::string::npos) {
    result.replace(dot, 1, LoadString(StringId::kDecimalSeparator));
  }
  for (const ResultRule& rule : kFixedResults) {
    if (StartsIgnoringCase(result, rule.prefix)) return std::string(LoadString(rule.line));
  }
  if (StartsIgnoringCase(result, "B+")) return PointsWin(result, StringId::kBlackWinsByPoints, StringId::kBlackWins);
  if (StartsIgnoringCase(result, "W+")) return PointsWin(result, StringId::kWhiteWinsByPoints, StringId::kWhiteWins);
  if (result.front() == '0' || StartsIgnoringCase(result, "draw")) return std::string(LoadString(StringId::kDrawGame));
  if (StartsIgnoringCase(result, "void")) return std::string(LoadString(StringId::kNoResult));
  return result;
}

auto References(const GameInfoTexts& t) {
  return std::tie(t.event, t.date, t.blackPlayer, t.blackRank, t.whitePlayer, t.whiteRank, t.result);
}

}  // namespace

Font GameInfoFont(int rMinus1) { return ScreenTextFont(rMinus1); }

void CGameInfo::SetInfo(const GameInfoTexts& info, const TextEncoding& encoding) {
  info_ = info;
  Utf8Texts texts = Utf8Of(info, encoding);
  title_ = TitleLine(texts);
  players_ = PlayersLine(texts);
  result_ = ResultLine(std::move(texts.result));
}

std::vector<std::string_view> CGameInfo::Lines() const {
  std::vector<std::string_view> lines;
  for (const std::string* line : {&title_, &players_, &result_}) {
    if (!line->empty()) lines.emplace_back(*line);
  }
  if (lines.empty()) lines.emplace_back(LoadString(StringId::kNoInformation));
  return lines;
}

int CGameInfo::GetLineCount() const { return static_cast<int>(Lines().size()); }

int CGameInfo::GetMaxWidth(int rMinus1) const {
  Raster none;
  Canvas measure(none);
  measure.SelectFont(GameInfoFont(rMinus1));
  int widest = 0;
  for (std::string_view line : Lines()) widest = std::max(widest, measure.GetTextExtent(line).width);
  return widest;
}

Rect CGameInfo::Draw(Canvas& canvas, const BoardLayout& layout, const ViewRectangle& view, Color textColor,
                     Color backColor) const {
  const TextEncoding recordEncoding = canvas.textEncoding();
  canvas.SetTextEncoding(TextEncoding());  // the lines are UTF-8 whatever the record's charset
  canvas.SelectFont(GameInfoFont(layout.Rm1));
  canvas.SetTextColor(textColor);
  canvas.SetBkColor(backColor);
  canvas.SetBkMode(BkMode::kOpaque);
  canvas.SetTextAlign(TextAlign::kCenterTop);
  const int D = layout.D;
  const int x = D * (view.xmin - 1) + layout.X0 + ((view.xmax - view.xmin + 2) * D) / 2;
  Rect written{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  int i = 0;
  for (std::string_view line : Lines()) {
    const int y = D * (i++ + view.ymax + 1) + layout.Y0 - layout.R + 2;
    canvas.TextOut(x, y, line);
    const Rect box = canvas.TextOutBounds(x, y, line);
    written = Rect{std::min(written.left, box.left), std::min(written.top, box.top),
                   std::max(written.right, box.right), std::max(written.bottom, box.bottom)};
  }
  canvas.SetTextEncoding(recordEncoding);
  return written.IsEmpty() ? Rect{} : written;
}

bool CGameInfo::ChangedSinceSnapshot() const { return References(info_) != References(snapshot_); }

}  // namespace tenukiro
