#pragma once

#include <array>
#include <cstddef>

#include "sgf/double_byte.h"

namespace tenukiro {

// Record text is read as normalised: outside values only the structure
// characters ( ) ; [ and the capitals A..Z are kept; inside values every byte is
// kept but a line feed becomes a carriage return; a backslash always travels
// with the byte after it, and inside a value with the character after it (a lead
// byte and its second byte in a double-byte charset, see DoubleByteCharset).
// Since no byte ever grows, the work is done in place, and it can be done
// piecewise (see NormalizeRange).

// Normalises the `size` bytes of `text` in place, writes a NUL after the result
// and returns its length. `text` must have room for size + 1 bytes.
size_t NormalizeSgfText(char* text, size_t size, const DoubleByteCharset* charset = nullptr);

// Normalises raw bytes from `read` up to `limit` (an escape pair may take one byte
// more, up to `size`) and writes them at `write`, which never passes `read`. Both
// positions and the in-value flag carry over to the next call.
void NormalizeRange(char* text, size_t size, size_t limit, size_t& read, size_t& write, bool& inValue,
                    const DoubleByteCharset* charset);

// What normalisation keeps outside a value: structure, capitals, '[' and the
// backslash of an escape. Every other byte there is dropped.
constexpr std::array<bool, 256> BuildKeptOutside() {
  std::array<bool, 256> kept{};
  for (int c = 'A'; c <= 'Z'; ++c) kept[c] = true;
  kept['('] = kept[')'] = kept[';'] = kept['['] = kept['\\'] = true;
  return kept;
}
inline constexpr std::array<bool, 256> kKeptOutside = BuildKeptOutside();

}  // namespace tenukiro
