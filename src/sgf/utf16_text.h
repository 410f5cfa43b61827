#pragma once

#include <cstddef>
#include <memory>

namespace tenukiro {

// A text buffer of `size` bytes followed by room for one more (the NUL), as the reader takes it.
struct TextBuffer {
  std::unique_ptr<char[]> bytes;
  size_t size = 0;
};

// A file that starts with a UTF-16 byte-order mark (little- or big-endian) holds UTF-16 text:
// returns it as UTF-8 without the mark, so the reader sees the same bytes as in a UTF-8 file.
// Unpaired surrogates and a cut-off last unit become U+FFFD. Any other text is returned as it is.
TextBuffer Utf16ToUtf8(TextBuffer text);

}  // namespace tenukiro
