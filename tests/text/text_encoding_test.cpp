#include "text/text_encoding.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>


namespace tenukiro {
namespace {

// The bytes of UTF-8 text in a charset, as a record written in that charset holds them.
std::string Encode(std::string_view utf8, const char* charset) {
  iconv_t cd = iconv_open(charset, "UTF-8");
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1)) << charset;
  if (cd == reinterpret_cast<iconv_t>(-1)) return {};
  std::string out(utf8.size() * 4 + 16, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* to = out.data();
  size_t toLeft = out.size();
  EXPECT_NE(iconv(cd, &in, &inLeft, &to, &toLeft), static_cast<size_t>(-1)) << charset;
  iconv_close(cd);
  out.resize(out.size() - toLeft);
  return out;
}

struct CharsetCase {
  const char* ca;       // the record's CA value
  const char* encoder;  // the charset its writer used
  const char* text;     // UTF-8
  bool latin;           // read the same without the charset, as Windows-1252
};

// To cover a new charset, add a row here.
constexpr CharsetCase kCharsets[] = {
    {"Shift_JIS", "SHIFT_JIS", "本因坊秀策 vs 井上幻庵因碩", false},
    {"Shift_JIS", "CP932", "表示 ソフト", false},  // second bytes 0x5C, read as Japanese, not as a backslash
    {"MS_KANJI", "CP932", "碁", false},
    {"Windows-1251", "WINDOWS-1251", "Чемпионат России", false},
    {"GB2312", "GB2312", "围棋比赛", false},
    {"EUC-CN", "GBK", "圍棋 黑", false},
    {"Big5", "BIG5", "圍棋", false},
    {"EUC-KR", "EUC-KR", "바둑 대국", false},
    {"ISO-8859-1", "ISO-8859-1", "Évènement à Noël", true},
    {"Windows-1252", "WINDOWS-1252", "“Ouverture” – fin", true},
    {" shift_jis ", "SHIFT_JIS", "名人", false},
};

TEST(TextEncoding, TheRecordsCharsetGivesItsText) {
  for (const CharsetCase& c : kCharsets) {
    SCOPED_TRACE(c.ca);
    const std::string bytes = Encode(c.text, c.encoder);
    const TextEncoding encoding = TextEncoding::ForCharset(c.ca);
    EXPECT_FALSE(encoding.IsAutomatic());
    EXPECT_EQ(ToUtf8(bytes, encoding), c.text);
    // Without the charset other bytes than Windows-1252 read differently: the CA value matters.
    EXPECT_EQ(ToUtf8(bytes, TextEncoding()) == c.text, c.latin);
  }
}

TEST(TextEncoding, WithoutACharsetUtf8WhereValidElseWindows1252) {
  const std::string accents = Encode("Café élégant", "WINDOWS-1252");
  EXPECT_EQ(ToUtf8(accents, TextEncoding()), "Café élégant");
  EXPECT_EQ(ToUtf8("Café 囲碁", TextEncoding()), "Café 囲碁");
  EXPECT_EQ(ToUtf8("Caf\xE9 囲碁", TextEncoding()), "Café 囲碁");
}

TEST(TextEncoding, LabelsThatCannotBeHonouredAreAutomatic) {
  for (const char* ca : {"", "UTF-8", "utf8", "foo", "UTF-16LE", "UTF-16", "UTF-32", "IBM037",
                         "a very long name that is no charset at all and goes on and on and on"}) {
    SCOPED_TRACE(ca);
    EXPECT_TRUE(TextEncoding::ForCharset(ca).IsAutomatic());
  }
  EXPECT_EQ(TextEncoding::ForCharset("Shift_JIS").Charset(), "CP932");
  EXPECT_EQ(TextEncoding::ForCharset("KOI8-R").Charset(), "KOI8-R");
}

TEST(TextEncoding, BytesTheCharsetCannotReadAreReadOneByOne) {
  const TextEncoding sjis = TextEncoding::ForCharset("Shift_JIS");
  const std::string name = Encode("秀策", "CP932");
  // A lead byte cut off at the end, and a byte no Shift_JIS sequence starts with.
  EXPECT_EQ(DecodeText(name + "\x82", sjis), DecodeText(name, sjis) + U"\u201A");
  EXPECT_EQ(DecodeText("", sjis), U"");
  // Stateful charsets are flushed and reset.
  const TextEncoding jis = TextEncoding::ForCharset("ISO-2022-JP");
  EXPECT_EQ(ToUtf8(Encode("碁 go 碁", "ISO-2022-JP"), jis), "碁 go 碁");
}

}  // namespace
}  // namespace tenukiro
