#include "base/string_table.h"

#include <gtest/gtest.h>

#include "base/language.h"

namespace tenukiro {
namespace {

struct Texts {
  StringId id;
  std::string_view english;
  std::string_view french;
};

// The texts whose exact spelling the rest of the program relies on: labels that end with a space,
// margins that run into a number, accented French in UTF-8.
constexpr Texts kTexts[] = {
    {StringId::kBlackLabel, "Black", "Noir "},
    {StringId::kWhiteLabel, "White", "Blanc "},
    {StringId::kBlackWinsByPoints, "Black wins by ", "Noir gagne de "},
    {StringId::kPointsAfterMargin, " point(s)", " point(s)"},
    {StringId::kNoResult, "No result", "Pas de r\xC3\xA9sultat"},
    {StringId::kNoInformation, "No information", "Pas d'information"},
    {StringId::kDecimalSeparator, ".", ","},
    {StringId::kAboutMenuItem, "&About Tenukiro...", "&\xC3\x80 propos de Tenukiro..."},
    {StringId::kHelpFileName, "Tenukeng", "Tenukfra"},
};

TEST(StringTable, TextsInBothLanguages) {
  for (const Texts& t : kTexts) {
    SCOPED_TRACE(static_cast<int>(t.id));
    EXPECT_EQ(LoadString(t.id, false), t.english);
    EXPECT_EQ(LoadString(t.id, true), t.french);
  }
}

TEST(StringTable, LanguageFlagPicksTheTable) {
  SetFrench(true);
  EXPECT_EQ(LoadString(StringId::kDrawGame), "Partie nulle");
  SetFrench(false);
  EXPECT_EQ(LoadString(StringId::kDrawGame), "Draw game");
}

TEST(StringTable, EveryNumberIsTranslatedOrEmptyInBoth) {
  int present = 0;
  for (int number = kFirstStringNumber; number <= kLastStringNumber; ++number) {
    SCOPED_TRACE(number);
    const auto id = static_cast<StringId>(number);
    EXPECT_EQ(LoadString(id, false).empty(), LoadString(id, true).empty());
    if (!LoadString(id, false).empty()) ++present;
  }
  EXPECT_EQ(present, 26);
  EXPECT_TRUE(LoadString(static_cast<StringId>(kFirstStringNumber - 1), false).empty());
  EXPECT_TRUE(LoadString(static_cast<StringId>(kLastStringNumber + 1), true).empty());
  EXPECT_TRUE(LoadString(static_cast<StringId>(300), true).empty());
}

TEST(StringTable, PatternFilesMessageNamesTheThreeFiles) {
  for (const bool french : {false, true}) {
    const std::string_view text = LoadString(StringId::kPatternFilesMessage, french);
    for (const char* file : {"BLACKS.BMP", "WHITES.BMP", "BACKGR.BMP", "2xR+1", "2xR-1"}) {
      EXPECT_NE(text.find(file), std::string_view::npos) << file;
    }
  }
}

}  // namespace
}  // namespace tenukiro
