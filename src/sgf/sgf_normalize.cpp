#include "sgf/sgf_normalize.h"

#include <array>
#include <cstdint>

namespace tenukiro {
namespace {

constexpr std::array<bool, 256> BuildKeptOutside() {
  std::array<bool, 256> kept{};
  for (int c = 'A'; c <= 'Z'; ++c) kept[c] = true;
  kept['('] = kept[')'] = kept[';'] = kept['['] = true;
  return kept;
}

constexpr std::array<bool, 256> kKeptOutside = BuildKeptOutside();

}  // namespace

void NormalizeRange(char* text, size_t size, size_t limit, size_t& read, size_t& write, bool& inValue) {
  size_t r = read;
  size_t w = write;
  while (r < limit) {
    const char c = text[r++];
    if (c == '\\') {
      text[w++] = c;
      if (r < size) text[w++] = text[r++];
    } else if (inValue) {
      if (c == ']') inValue = false;
      text[w++] = c == '\n' ? '\r' : c;
    } else {
      if (c == '[') inValue = true;
      if (kKeptOutside[static_cast<unsigned char>(c)]) text[w++] = c;
    }
  }
  read = r;
  write = w;
}

size_t NormalizeSgfText(char* text, size_t size) {
  size_t read = 0;
  size_t write = 0;
  bool inValue = false;
  NormalizeRange(text, size, size, read, write, inValue);
  text[write] = '\0';
  return write;
}

}  // namespace tenukiro
