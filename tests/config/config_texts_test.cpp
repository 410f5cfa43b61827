#include <gtest/gtest.h>

#include <string>

#include "base/language.h"
#include "config/config_texts.h"

namespace tenukiro {
namespace {

class LanguageScope {
 public:
  explicit LanguageScope(bool french) : was_(IsFrench() != 0) { SetFrench(french); }
  ~LanguageScope() { SetFrench(was_); }

 private:
  bool was_;
};

TEST(ConfigTexts, VersionLineNamesTheProgramAndItsVersion) {
  for (const bool french : {false, true}) {
    const LanguageScope language(french);
    const std::string line = VersionLine();
    EXPECT_EQ(line, std::string("Tenukiro Version ") + TENUKIRO_VERSION_TEXT) << french;
  }
}

TEST(ConfigTexts, PatternFilesExplanationAddsTheUserFolderOnlyWhenThereIsOne) {
  struct Case { bool french; const char* folder; const char* starts; const char* ends; };
  for (const Case& c : {Case{false, "", "This option allows use of BMP images", "for stones."},
                        Case{true, "", "Cette option permet", "pour les pierres."},
                        Case{false, "/home/u/.local/share/tenukiro/", "This option",
                             "\n\nYour own files go in this folder, which is looked at first: /home/u/.local/share/tenukiro/"},
                        Case{true, "/h/t/", "Cette option", "consulté en premier : /h/t/"}}) {
    const LanguageScope language(c.french);
    const std::string text = PatternFilesExplanation(c.folder);
    EXPECT_EQ(text.rfind(c.starts, 0), 0u) << text;
    ASSERT_GE(text.size(), std::string(c.ends).size());
    EXPECT_EQ(text.substr(text.size() - std::string(c.ends).size()), c.ends) << text;
  }
}

}  // namespace
}  // namespace tenukiro
