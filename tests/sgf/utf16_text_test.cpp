#include "sgf/utf16_text.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "sgf/game_file.h"
#include "sgf/game_context.h"
#include "sgf/property_id.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_node.h"
#include "sgf/sgf_reader.h"

namespace tenukiro {
namespace {

// UTF-8 text as UTF-16 bytes of one byte order, made by iconv.
std::string Utf16(std::string_view utf8, bool bigEndian) {
  iconv_t cd = iconv_open(bigEndian ? "UTF-16BE" : "UTF-16LE", "UTF-8");
  std::string out(utf8.size() * 2 + 8, '\0');
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  char* to = out.data();
  size_t toLeft = out.size();
  EXPECT_NE(iconv(cd, &in, &inLeft, &to, &toLeft), static_cast<size_t>(-1));
  iconv_close(cd);
  out.resize(out.size() - toLeft);
  return out;
}

std::string Convert(const std::string& bytes) {
  TextBuffer text{std::make_unique<char[]>(bytes.size() + 1), bytes.size()};
  std::memcpy(text.bytes.get(), bytes.data(), bytes.size());
  const TextBuffer out = Utf16ToUtf8(std::move(text));
  return std::string(out.bytes.get(), out.size);
}

const std::string kLittleMark = "\xFF\xFE";
const std::string kBigMark = "\xFE\xFF";

TEST(Utf16Text, ByteOrderMarkGivesUtf8WithoutIt) {
  for (const char* text : {"(;PB[秀策]C[é 𝄞])", "", "(;)"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Convert(kLittleMark + Utf16(text, false)), text);
    EXPECT_EQ(Convert(kBigMark + Utf16(text, true)), text);
  }
}

struct DamagedCase {
  const char* name;
  std::string littleEndian;  // after the mark
  const char* utf8;
};

TEST(Utf16Text, DamagedUnitsBecomeReplacementCharacters) {
  const DamagedCase cases[] = {
      {"lone low surrogate", std::string("a\0\x00\xDC" "b\0", 6), "a\xEF\xBF\xBD" "b"},
      {"high surrogate before a letter", std::string("\x3D\xD8" "b\0", 4), "\xEF\xBF\xBD" "b"},
      {"high surrogate at the end", std::string("a\0\x3D\xD8", 4), "a\xEF\xBF\xBD"},
      {"odd last byte", std::string("a\0b", 3), "a\xEF\xBF\xBD"},
  };
  for (const DamagedCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Convert(kLittleMark + c.littleEndian), c.utf8);
  }
}

TEST(Utf16Text, OtherTextStaysAsItIs) {
  for (const std::string& bytes : {std::string("(;C[\xFF\xFE])"), std::string("\xEF\xBB\xBF(;)"), std::string("\xFF"),
                                  std::string(), std::string("(\0;\0)\0", 6)}) {
    EXPECT_EQ(Convert(bytes), bytes);
  }
}

TEST(Utf16Text, AUtf16RecordFileReadsLikeItsUtf8Text) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("tenukiro-utf16-" + std::to_string(::getpid()) + ".sgf");
  std::ofstream(path, std::ios::binary) << kLittleMark + Utf16("(;SZ[9]PB[本因坊]C[コメント];B[aa])", false);
  SgfText text = ReadGameFile(path.string());
  std::filesystem::remove(path);
  GameContext context;
  SgfCollection collection(context);
  BeginParse(collection, text);
  const SgfNode* root = collection.FirstRoot();
  ASSERT_NE(root, nullptr);
  ASSERT_NE(root->PropertyString(PROP_PB), nullptr);
  EXPECT_STREQ(root->PropertyString(PROP_PB), "本因坊");
  EXPECT_STREQ(root->PropertyString(PROP_C), "コメント");
  EXPECT_NE(collection.NextNodePreorder(collection.FirstRoot(), text), nullptr);
}

}  // namespace
}  // namespace tenukiro
