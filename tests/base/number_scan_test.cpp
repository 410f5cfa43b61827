#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/number_scan.h"

namespace tenukiro {
namespace {

using Blanks = NumberRules::Blanks;

TEST(NumberScan, EachRuleReadsItsOwnKindOfText) {
  struct Case {
    const char* text;
    NumberRules rules;
    std::optional<int64_t> value;
    size_t end;
  };
  const Case cases[] = {
      {"42", {}, 42, 2},
      {"-17x", {}, -17, 3},                            // stops at the first other character
      {"+5", {}, 5, 2},
      {" 5", {}, std::nullopt, 0},                     // no blanks allowed
      {" \t5", {Blanks::SpacesAndTabs}, 5, 3},
      {"\n5", {Blanks::SpacesAndTabs}, std::nullopt, 0},
      {"\n\v\f\r 5", {Blanks::All}, 5, 6},
      {"- 5", {Blanks::All}, std::nullopt, 0},         // blanks only before the sign
      {"-", {}, std::nullopt, 0},
      {"", {Blanks::All}, std::nullopt, 0},
      {"12 ", {Blanks::SpacesAndTabs, true}, std::nullopt, 0},  // the whole text or nothing
      {" -12", {Blanks::SpacesAndTabs, true}, -12, 4},
      {"99999999999999999999", {}, kNumberSaturation, 20},
      {"-99999999999999999999", {}, -kNumberSaturation, 21},
      {"+5", {Blanks::None, true, false}, std::nullopt, 0},  // unsigned text
      {"-5", {Blanks::None, false, false}, std::nullopt, 0},
      {"5-", {Blanks::None, false, false}, 5, 1},
  };
  for (const Case& c : cases) {
    const std::optional<ScannedNumber> read = ScanDecimal(c.text, 0, c.rules);
    ASSERT_EQ(read.has_value(), c.value.has_value()) << '"' << c.text << '"';
    if (!read) continue;
    EXPECT_EQ(read->value, *c.value) << '"' << c.text << '"';
    EXPECT_EQ(read->end, c.end) << '"' << c.text << '"';
  }
}

TEST(NumberScan, ReadsFromTheGivenPlace) {
  const std::optional<ScannedNumber> read = ScanDecimal("ab:  7:8", 3, {Blanks::All});
  ASSERT_TRUE(read);
  EXPECT_EQ(read->value, 7);
  EXPECT_EQ(read->end, 6u);
  EXPECT_EQ(SkipBlanks("ab  c", 2, Blanks::SpacesAndTabs), 4u);
  EXPECT_EQ(SkipBlanks("ab  c", 2, Blanks::None), 2u);
  EXPECT_FALSE(ScanDecimal("12", 5, {}));
}

TEST(NumberScan, SaturatesWithoutOverflowOnEveryLength) {
  std::string digits;
  int64_t previous = 0;
  for (int length = 1; length <= 40; ++length) {
    digits += '9';
    const int64_t value = ScanDecimal(digits, 0, {})->value;
    EXPECT_GE(value, previous) << length << " digits";
    EXPECT_LE(value, kNumberSaturation) << length << " digits";
    previous = value;
  }
  EXPECT_EQ(previous, kNumberSaturation);
}

}  // namespace
}  // namespace tenukiro
