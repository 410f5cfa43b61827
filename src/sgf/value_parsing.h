#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sgf/double_byte.h"
#include "sgf/sgf_value.h"

namespace tenukiro {

class SgfArena;
class SgfProperty;

// Reads bracket content (escapes still in it) into `value`, a value of `property`
// whose kind is already set. A compressed rectangle of points adds further point
// values to `property` just before `value`; strings go to `arena`. Escapes in text are
// those of `charset`'s characters (null: every byte is a character).
void ParseValue(SgfProperty& property, SgfValue& value, std::string_view content, SgfArena& arena,
                const DoubleByteCharset* charset = nullptr);

// Every decimal digit counts, in 16-bit arithmetic; a leading '-' negates.
int16_t ParseNumberText(std::string_view content);

// Digits build the number; the last '.' or ',' places the decimal point (one
// division by 10 per character after it); a leading '-' negates.
float ParseRealText(std::string_view content);

// Removes escapes in place and returns the new length. A simple text loses soft
// line breaks (backslash + line break, with one partner of the other kind) and
// turns every other control character into a space. A character of a double-byte
// `charset` is kept whole, whatever its second byte.
size_t UnescapeSimpleText(char* text, size_t length, const DoubleByteCharset* charset = nullptr);

// Removes escapes in place and returns the new length. Line breaks stay; other
// control characters become spaces.
size_t UnescapeText(char* text, size_t length, const DoubleByteCharset* charset = nullptr);

// The coordinate a letter names: 'a' is 1.
inline int8_t PointCoordinate(char letter) {
  return static_cast<int8_t>(static_cast<unsigned char>(letter) - 96);
}

// Two letters give a point ('a' is 1); anything else is (0, 0). Inline: the
// reader calls it for nearly every node.
inline PointValue ParsePointText(std::string_view content) {
  if (content.size() != 2) return {};
  return {PointCoordinate(content[0]), PointCoordinate(content[1])};
}

// Five characters "ab:cd" give two points; anything else is all zero.
PointPairValue ParsePointPairText(std::string_view content);

// A compressed rectangle covers at most the points the letters 'a' to 'z' name,
// so a value of five bytes cannot expand into tens of thousands of points.
inline constexpr int kMaxRectangleCoordinate = 26;

}  // namespace tenukiro
