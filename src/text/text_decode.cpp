#include "text/text_decode.h"

#include "base/utf8.h"

namespace tenukiro {
namespace {

constexpr char32_t k1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

char32_t Windows1252(unsigned char byte) {
  return (byte >= 0x80 && byte <= 0x9F) ? k1252High[byte - 0x80] : char32_t{byte};
}

DecodedCharacter DecodeFirstCharacter(std::string_view bytes) {
  char32_t code = 0;
  const std::size_t length = Utf8SequenceLength(bytes, code);
  if (length == 0) return {Windows1252(static_cast<unsigned char>(bytes[0])), 1};
  return {code, length};
}

std::u32string DecodeText(std::string_view bytes) {
  std::u32string out;
  out.reserve(bytes.size());
  while (!bytes.empty()) {
    const DecodedCharacter character = DecodeFirstCharacter(bytes);
    out += character.code;
    bytes.remove_prefix(character.length);
  }
  return out;
}

}  // namespace tenukiro
