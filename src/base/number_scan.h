#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tenukiro {

// The one reader of decimal numbers in text; each reader of a kind of text states its rules.
struct NumberRules {
  // What may stand before the sign: nothing, spaces and tabs, or every blank of formatted input
  // (space, tab, line feed, vertical tab, form feed, carriage return).
  enum class Blanks { None, SpacesAndTabs, All };
  Blanks blanks = Blanks::None;
  // Whether the digits must end the text; otherwise reading stops at the first other character.
  bool wholeText = false;
  // Whether a sign may stand before the digits.
  bool signs = true;
};

struct ScannedNumber {
  int64_t value = 0;
  size_t end = 0;  // where the digits end
};

// Numbers whose size passes this saturate at it, with their sign: every reader clamps to
// 32 bits or less afterwards, so the saturated value only has to be out of their range.
inline constexpr int64_t kNumberSaturation = int64_t{1} << 40;

// Skips the blanks of the rule from `from` on; the index of the first other character.
size_t SkipBlanks(std::string_view text, size_t from, NumberRules::Blanks blanks);

// Reads the blanks the rules allow, a sign if they allow one and the decimal digits from `from` on.
// Nothing when no digit follows the sign, or when the rules want the whole text and more follows.
std::optional<ScannedNumber> ScanDecimal(std::string_view text, size_t from, NumberRules rules);

}  // namespace tenukiro
