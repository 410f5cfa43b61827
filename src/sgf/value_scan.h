#pragma once

#include <cstddef>

#include "sgf/double_byte.h"

namespace tenukiro {

// The one scan for the end of a bracketed value, used by every way of reading a
// node. `from` is just after the '['. Returns the index of the closing ']', or
// `length` or more when the text ends first. A backslash takes the character
// after it along, and in a double-byte charset a character's second byte is never
// a ']' or a backslash of its own. A line feed that is not escaped becomes a
// carriage return on the way, which is all that normalisation does inside a
// value: whichever reading scans a value, its content then reads as normalised text.
inline size_t ValueEnd(char* text, size_t from, size_t length, const DoubleByteCharset* charset) {
  size_t i = from;
  if (charset) {
    while (i < length) {
      const char c = text[i];
      if (c == ']') return i;
      if (c == '\\') i += PairAt(charset, text, i + 1, length) ? 3 : 2;
      else if (PairAt(charset, text, i, length)) i += 2;
      else {
        if (c == '\n') text[i] = '\r';
        ++i;
      }
    }
    return i;
  }
  while (i < length) {
    const char c = text[i];
    if (c == ']') return i;
    if (c == '\\') {
      i += 2;
      continue;
    }
    if (c == '\n') text[i] = '\r';
    ++i;
  }
  return i;
}

// The first byte from `from` on that lies outside values and satisfies `stop`;
// `length` or more when there is none. A backslash outside a value takes the
// byte after it along too.
template <class Stop>
size_t FirstOutsideValues(char* text, size_t from, size_t length, const DoubleByteCharset* charset, Stop stop) {
  size_t i = from;
  while (i < length) {
    const char c = text[i];
    if (c == '\\') i += 2;
    else if (c == '[') i = ValueEnd(text, i + 1, length, charset) + 1;
    else if (stop(c)) return i;
    else ++i;
  }
  return i;
}

}  // namespace tenukiro
