#include "sgf/sgf_normalize.h"

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace tenukiro {
namespace {

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

// The same in a double-byte charset, where a character's second byte never ends the
// run; like an escape, a character may take one byte past `limit` (up to `size`).
void CopyValueRun(char* text, size_t size, size_t limit, size_t& r, size_t& w, const DoubleByteCharset& charset) {
  while (r < limit) {
    const char c = text[r];
    if (c == ']' || c == '\\' || c == '\n') return;
    text[w++] = c;
    ++r;
    if (r < size && charset.Pairs(c, text[r])) text[w++] = text[r++];
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

constexpr size_t kBlock = 16;

#if defined(__SSE2__)
unsigned BytesEqual(__m128i block, char c) {
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(c))));
}

// For each byte, whether it lies inside a value before it is read, when every
// bracket of the block opens or closes in turn; false when one does not.
bool InsideBefore(unsigned open, unsigned close, bool inValue, unsigned& before, unsigned& after) {
  after = open | close;
  after ^= after << 1;
  after ^= after << 2;
  after ^= after << 4;
  after ^= after << 8;
  after = (after ^ (inValue ? 0xFFFFu : 0u)) & 0xFFFFu;
  before = after ^ open ^ close;
  return ((open & before) | (close & ~before)) == 0;
}

unsigned KeptOutside(__m128i block, unsigned open) {
  const __m128i shifted = _mm_xor_si128(_mm_sub_epi8(block, _mm_set1_epi8('A')), _mm_set1_epi8(-128));
  const __m128i capital = _mm_cmplt_epi8(shifted, _mm_set1_epi8(26 - 128));
  return static_cast<unsigned>(_mm_movemask_epi8(capital)) | open | BytesEqual(block, '(') |
         BytesEqual(block, ')') | BytesEqual(block, ';');
}

// Copies the block at r whole when none of its bytes needs a decision of its own:
// no escape, no line feed, brackets that open and close in turn, nothing dropped
// outside a value. The caller makes sure that the write cannot reach bytes not
// yet read.
bool CopyPlainBlock(char* text, size_t& r, size_t& w, bool& inValue, bool doubleByte) {
  const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + r));
  if (BytesEqual(block, '\\') | BytesEqual(block, '\n')) return false;
  // A byte above 0x7F may pair with the next one; the block is then left to the byte steps.
  if (doubleByte && _mm_movemask_epi8(block)) return false;
  const unsigned open = BytesEqual(block, '[');
  unsigned before = 0;
  unsigned after = 0;
  if (!InsideBefore(open, BytesEqual(block, ']'), inValue, before, after)) return false;
  if (~before & ~KeptOutside(block, open) & 0xFFFFu) return false;
  _mm_storeu_si128(reinterpret_cast<__m128i*>(text + w), block);
  r += kBlock;
  w += kBlock;
  inValue = (after >> (kBlock - 1)) & 1;
  return true;
}
#else
bool CopyPlainBlock(char*, size_t&, size_t&, bool&, bool) { return false; }
#endif

// One run and the byte that ends it.
// An escape takes the character after it along: in a value of a double-byte
// charset that may be two bytes.
void NormalizeStep(char* text, size_t size, size_t limit, size_t& r, size_t& w, bool& inValue,
                   const DoubleByteCharset* charset) {
  if (!inValue) CopyOutsideRun(text, limit, r, w);
  else if (charset) CopyValueRun(text, size, limit, r, w, *charset);
  else CopyValueRun(text, limit, r, w);
  if (r >= limit) return;
  const char c = text[r++];
  if (c == '\\') {
    text[w++] = c;
    if (inValue && PairAt(charset, text, r, size)) text[w++] = text[r++];
    if (r < size) text[w++] = text[r++];
  } else if (c == '\n') {
    text[w++] = '\r';
  } else {
    text[w++] = c;
    inValue = c == '[';
  }
}

}  // namespace

// A whole block is written at once, so it may only be when the write position
// has not fallen behind the read position, or has fallen a block or more behind.
void NormalizeRange(char* text, size_t size, size_t limit, size_t& read, size_t& write, bool& inValue,
                    const DoubleByteCharset* charset) {
  size_t r = read;
  size_t w = write;
  const bool doubleByte = charset != nullptr;
  while (r < limit) {
    const bool blockFits = r + kBlock <= limit && (w == r || r - w >= kBlock);
    if (blockFits && CopyPlainBlock(text, r, w, inValue, doubleByte)) continue;
    NormalizeStep(text, size, limit, r, w, inValue, charset);
  }
  read = r;
  write = w;
}

size_t NormalizeSgfText(char* text, size_t size, const DoubleByteCharset* charset) {
  size_t read = 0;
  size_t write = 0;
  bool inValue = false;
  NormalizeRange(text, size, size, read, write, inValue, charset);
  text[write] = '\0';
  return write;
}

}  // namespace tenukiro
