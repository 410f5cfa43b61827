#include "base/utf8.h"

namespace tenukiro {

std::size_t PutUtf8(char32_t c, char* out) {
  if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
  if (c < 0x80) {
    out[0] = static_cast<char>(c);
    return 1;
  }
  if (c < 0x800) {
    out[0] = static_cast<char>(0xC0 | (c >> 6));
    out[1] = static_cast<char>(0x80 | (c & 0x3F));
    return 2;
  }
  if (c < 0x10000) {
    out[0] = static_cast<char>(0xE0 | (c >> 12));
    out[1] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (c & 0x3F));
    return 3;
  }
  out[0] = static_cast<char>(0xF0 | (c >> 18));
  out[1] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
  out[2] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  out[3] = static_cast<char>(0x80 | (c & 0x3F));
  return 4;
}

std::string EncodeUtf8(std::u32string_view codes) {
  std::string out;
  out.reserve(codes.size());
  char bytes[kMaxUtf8Length];
  for (char32_t c : codes) out.append(bytes, PutUtf8(c, bytes));
  return out;
}

std::size_t Utf8SequenceLength(std::string_view s, char32_t& code) {
  const auto lead = static_cast<unsigned char>(s[0]);
  std::size_t length = 0;
  char32_t min = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1F, min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0F, min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (s.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b & 0xC0) != 0x80) return 0;
    code = (code << 6) | (b & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  return (code < min || code > 0x10FFFF || surrogate) ? 0 : length;
}

bool IsValidUtf8(std::string_view bytes) {
  while (!bytes.empty()) {
    char32_t code = 0;
    std::size_t length = 1;
    if (static_cast<unsigned char>(bytes[0]) >= 0x80 && (length = Utf8SequenceLength(bytes, code)) == 0) return false;
    bytes.remove_prefix(length);
  }
  return true;
}

}  // namespace tenukiro
