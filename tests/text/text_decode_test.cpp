#include "text/text_decode.h"

#include <gtest/gtest.h>

namespace tenukiro {
namespace {

struct DecodeCase {
  const char* name;
  std::string bytes;
  std::u32string expected;
};

class DecodeTextTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTextTest, ReadsUtf8WhereWellFormedAndWindows1252Elsewhere) {
  EXPECT_EQ(DecodeText(GetParam().bytes), GetParam().expected) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DecodeTextTest,
    ::testing::Values(DecodeCase{"ascii", "Go 19", U"Go 19"},
                      DecodeCase{"latin e acute", "\xE9t\xE9", U"\u00E9t\u00E9"},
                      DecodeCase{"utf8 e acute", "\xC3\xA9t\xC3\xA9", U"\u00E9t\u00E9"},
                      DecodeCase{"1252 euro", "\x80", U"\u20AC"},
                      DecodeCase{"utf8 euro", "\xE2\x82\xAC", U"\u20AC"},
                      DecodeCase{"1252 quotes and dash", "\x93x\x94\x96", U"\u201Cx\u201D\u2013"},
                      DecodeCase{"unassigned 1252 bytes", "\x81\x8D\x8F\x90\x9D", U"\u0081\u008D\u008F\u0090\u009D"},
                      DecodeCase{"utf8 four bytes", "\xF0\x9F\x98\x80", U"\U0001F600"},
                      DecodeCase{"mixed in one text", "\xE9\xC3\xA9", U"\u00E9\u00E9"},
                      DecodeCase{"lead without continuation", "\xC3(", U"\u00C3("},
                      DecodeCase{"overlong slash", "\xC0\xAF", U"\u00C0\u00AF"},
                      DecodeCase{"surrogate", "\xED\xA0\x80", U"\u00ED\u00A0\u20AC"},
                      DecodeCase{"above U+10FFFF", "\xF4\x90\x80\x80", U"\u00F4\u0090\u20AC\u20AC"},
                      DecodeCase{"truncated at end", "a\xE2\x82", U"a\u00E2\u201A"},
                      DecodeCase{"nul byte kept", std::string("a\0b", 3), std::u32string(U"a\0b", 3)}),
    [](const auto& info) {
      std::string name = info.param.name;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

TEST(DecodeTextTest, EveryByteDecodesToOneCharacter) {
  for (int b = 0; b < 256; ++b) {
    const std::u32string out = DecodeText(std::string(1, static_cast<char>(b)));
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0], Windows1252(static_cast<unsigned char>(b)));
  }
  EXPECT_EQ(Windows1252(0x9F), U'\u0178');
  EXPECT_EQ(Windows1252(0xA0), U'\u00A0');
}

}  // namespace
}  // namespace tenukiro
