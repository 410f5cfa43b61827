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

// Most bytes need no decision of their own: inside a value everything but ']',
// '\\' and a line feed is copied, outside one everything but '[' and '\\' is
// kept or dropped by the table. These runs are copied in tight loops, and only
// the byte that stops a run goes through the state changes.
void CopyValueRun(char* text, size_t limit, size_t& r, size_t& w) {
  while (r < limit) {
    const char c = text[r];
    if (c == ']' || c == '\\' || c == '\n') return;
    text[w++] = c;
    ++r;
  }
}

// A dropped byte is written too, then overwritten: w never passes r.
void CopyOutsideRun(char* text, size_t limit, size_t& r, size_t& w) {
  while (r < limit) {
    const char c = text[r];
    if (c == '[' || c == '\\') return;
    text[w] = c;
    w += kKeptOutside[static_cast<unsigned char>(c)];
    ++r;
  }
}

}  // namespace

void NormalizeRange(char* text, size_t size, size_t limit, size_t& read, size_t& write, bool& inValue) {
  size_t r = read;
  size_t w = write;
  while (r < limit) {
    if (inValue) CopyValueRun(text, limit, r, w);
    else CopyOutsideRun(text, limit, r, w);
    if (r >= limit) break;
    const char c = text[r++];
    if (c == '\\') {
      text[w++] = c;
      if (r < size) text[w++] = text[r++];
    } else if (c == '\n') {
      text[w++] = '\r';
    } else {
      text[w++] = c;
      inValue = c == '[';
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
