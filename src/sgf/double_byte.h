#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>

#include "base/charset_names.h"

namespace tenukiro {

// The characters of a double-byte charset (Shift_JIS, Big5, GBK): a lead byte followed by a byte
// of the second range is one character, whose second byte may be '\' or ']' without being an
// escape or the end of a value. Every other byte is a character of its own. The readers take a
// null pointer for a charset whose every byte is its own character.
class DoubleByteCharset {
 public:
  // Null for a single-byte layout.
  static const DoubleByteCharset* Of(ByteLayout layout);

  struct Range {
    unsigned first;
    unsigned last;
  };
  constexpr DoubleByteCharset(std::initializer_list<Range> leads, std::initializer_list<Range> seconds) {
    for (const Range& range : leads) Mark(lead_, range);
    for (const Range& range : seconds) Mark(second_, range);
  }

  // Whether the two bytes are one character.
  bool Pairs(char first, char second) const {
    return lead_[static_cast<unsigned char>(first)] && second_[static_cast<unsigned char>(second)];
  }

 private:
  static constexpr void Mark(std::array<bool, 256>& table, Range range) {
    for (unsigned b = range.first; b <= range.last; ++b) table[b] = true;
  }

  std::array<bool, 256> lead_{};
  std::array<bool, 256> second_{};
};

// Whether the bytes at i and i + 1, both before `length`, are one character of `charset` (never
// for a single-byte charset).
inline bool PairAt(const DoubleByteCharset* charset, const char* text, size_t i, size_t length) {
  return charset && i + 1 < length && charset->Pairs(text[i], text[i + 1]);
}

}  // namespace tenukiro
