#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tenukiro {

// Turns text bytes into code points for drawing: every well-formed UTF-8 sequence is read as
// UTF-8 and every other byte as Windows-1252, so record text in either encoding draws sensibly.
std::u32string DecodeText(std::string_view bytes);

// One character read from text bytes: its code point and how many bytes it took (at least one).
struct DecodedCharacter {
  char32_t code = 0;
  std::size_t length = 0;
};

// The first character of non-empty bytes, read as DecodeText reads it.
DecodedCharacter DecodeFirstCharacter(std::string_view bytes);

// The Windows-1252 character of one byte (the five unassigned bytes map to the same code point,
// as Windows does).
char32_t Windows1252(unsigned char byte);

}  // namespace tenukiro
