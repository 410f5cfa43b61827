#include "render/text_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>

#include "base/text_compare.h"
#include "base/utf8.h"
#include "render/text_decode.h"
#include "sgf/property_id.h"
#include "sgf/sgf_node.h"

namespace tenukiro {
namespace {

struct CharsetAlias {
  std::string_view label;
  const char* charset;
};

// Records are mostly written on Windows, whose code pages extend these charsets (CP932 also keeps
// 0x5C a backslash, where iconv's Shift_JIS reads a yen sign).
constexpr CharsetAlias kAliases[] = {
    {"Shift_JIS", "CP932"},     {"Shift-JIS", "CP932"},      {"SJIS", "CP932"},         {"MS_Kanji", "CP932"},
    {"x-sjis", "CP932"},        {"Windows-31J", "CP932"},    {"GB2312", "GB18030"},     {"EUC-CN", "GB18030"},
    {"GBK", "GB18030"},         {"CP936", "GB18030"},        {"GB_2312-80", "GB18030"}, {"Big5", "BIG5-HKSCS"},
    {"CN-Big5", "BIG5-HKSCS"},  {"x-x-big5", "BIG5-HKSCS"},  {"EUC-KR", "CP949"},       {"KS_C_5601-1987", "CP949"},
    {"ISO-8859-1", "WINDOWS-1252"}, {"Latin1", "WINDOWS-1252"}, {"ISO8859-1", "WINDOWS-1252"},
    {"US-ASCII", "WINDOWS-1252"},   {"ASCII", "WINDOWS-1252"},
};

constexpr const char* kUtf32 = std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE";

// One iconv conversion to UTF-32, closed with the object.
class Converter {
 public:
  explicit Converter(const std::string& charset) : cd_(iconv_open(kUtf32, charset.c_str())) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Appends the code points of bytes; a byte the charset cannot read is read as Windows-1252.
  void Decode(std::string_view bytes, std::u32string& out) {
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
      if (Convert(&in, &inLeft, out) != kFailed || errno == E2BIG) continue;
      // An invalid or cut-off sequence: take one byte as it is and start afresh after it.
      out += Windows1252(static_cast<unsigned char>(*in));
      ++in;
      --inLeft;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    Convert(nullptr, nullptr, out);  // what a stateful charset still holds
  }

  // Appends the code points of bytes; false when the charset cannot read them all.
  bool DecodeStrictly(std::string_view bytes, std::u32string& out) {
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    while (inLeft > 0) {
      if (Convert(&in, &inLeft, out) == kFailed && errno != E2BIG) return false;
    }
    return Convert(nullptr, nullptr, out) != kFailed;
  }

 private:
  static constexpr size_t kFailed = static_cast<size_t>(-1);

  // One iconv call into a chunk of code points, appended to out.
  size_t Convert(char** in, size_t* inLeft, std::u32string& out) {
    std::array<char32_t, 256> chunk;
    char* to = reinterpret_cast<char*>(chunk.data());
    size_t toLeft = sizeof chunk;
    const size_t result = iconv(cd_, in, inLeft, &to, &toLeft);
    out.append(chunk.data(), (sizeof chunk - toLeft) / sizeof(char32_t));
    return result;
  }

  iconv_t cd_;
};

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::string CharsetFor(std::string_view label) {
  for (const CharsetAlias& alias : kAliases) {
    if (EqualsIgnoringCase(label, alias.label)) return alias.charset;
  }
  return std::string(label);
}

// Whether iconv reads printable ASCII as itself in this charset, as the SGF syntax needs.
bool KeepsAscii(const std::string& charset) {
  Converter converter(charset);
  if (!converter.ok()) return false;
  std::string ascii;
  std::u32string expected;
  for (char c = ' '; c <= '~'; ++c) {
    ascii += c;
    expected += static_cast<char32_t>(c);
  }
  std::u32string decoded;
  return converter.DecodeStrictly(ascii, decoded) && decoded == expected;
}

}  // namespace

TextEncoding TextEncoding::ForCharset(std::string_view caValue) {
  const std::string_view label = Trimmed(caValue);
  if (label.empty() || EqualsIgnoringCase(label, "UTF-8") || EqualsIgnoringCase(label, "UTF8")) return {};
  // No charset name is this long; the bound keeps a hostile value from reaching iconv.
  if (label.size() > 64) return {};
  std::string charset = CharsetFor(label);
  if (!KeepsAscii(charset)) return {};
  return TextEncoding(std::move(charset));
}

TextEncoding TextEncoding::OfGame(const SgfNode* root) {
  const char* ca = root ? root->PropertyString(PROP_CA) : nullptr;
  return ca ? ForCharset(ca) : TextEncoding();
}

std::u32string DecodeText(std::string_view bytes, const TextEncoding& encoding) {
  if (encoding.IsAutomatic()) return DecodeText(bytes);
  Converter converter(encoding.Charset());
  if (!converter.ok()) return DecodeText(bytes);
  std::u32string out;
  out.reserve(bytes.size());
  converter.Decode(bytes, out);
  return out;
}

CharacterReader::CharacterReader(const TextEncoding& encoding) {
  if (encoding.IsAutomatic()) return;
  const iconv_t cd = iconv_open(kUtf32, encoding.Charset().c_str());
  if (cd != reinterpret_cast<iconv_t>(-1)) converter_ = cd;
}

CharacterReader::~CharacterReader() {
  if (converter_) iconv_close(static_cast<iconv_t>(converter_));
}

DecodedCharacter CharacterReader::Read(std::string_view bytes) {
  if (!converter_) return DecodeFirstCharacter(bytes);
  const auto cd = static_cast<iconv_t>(converter_);
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  char32_t code = 0;
  char* to = reinterpret_cast<char*>(&code);
  size_t toLeft = sizeof code;
  // Room for one code point: iconv stops after the first character.
  iconv(cd, &in, &inLeft, &to, &toLeft);
  const auto length = static_cast<size_t>(in - bytes.data());
  if (toLeft == 0 && length > 0) return {code, length};
  return {Windows1252(static_cast<unsigned char>(bytes[0])), 1};
}

std::string ToUtf8(std::string_view bytes, const TextEncoding& encoding) {
  return EncodeUtf8(DecodeText(bytes, encoding));
}

}  // namespace tenukiro
