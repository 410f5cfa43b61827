#include "text/text_encoding.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>

#include "base/charset_names.h"
#include "base/text_compare.h"
#include "base/utf8.h"
#include "text/text_decode.h"
#include "sgf/property_id.h"
#include "sgf/sgf_collection.h"
#include "sgf/sgf_node.h"

namespace tenukiro {
namespace {

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
  std::string charset = CharsetOfLabel(caValue).charset;
  if (charset.empty() || EqualsIgnoringCase(charset, "UTF-8") || EqualsIgnoringCase(charset, "UTF8")) return {};
  // No charset name is this long; the bound keeps a hostile value from reaching iconv.
  if (charset.size() > 64) return {};
  if (!KeepsAscii(charset)) return {};
  return TextEncoding(std::move(charset));
}

TextEncoding TextEncoding::OfGame(const SgfNode* root) {
  if (!root) return {};
  if (const char* ca = root->PropertyString(PROP_CA)) return ForCharset(ca);
  return ForCharset(root->Collection().Charset().name);
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
