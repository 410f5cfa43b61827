#include "base/number_scan.h"

#include <algorithm>

namespace tenukiro {
namespace {

bool IsBlank(char c, NumberRules::Blanks blanks) {
  switch (blanks) {
    case NumberRules::Blanks::None:
      return false;
    case NumberRules::Blanks::SpacesAndTabs:
      return c == ' ' || c == '\t';
    case NumberRules::Blanks::All:
      return c == ' ' || (c >= '\t' && c <= '\r');
  }
  return false;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

size_t SkipBlanks(std::string_view text, size_t from, NumberRules::Blanks blanks) {
  while (from < text.size() && IsBlank(text[from], blanks)) ++from;
  return from;
}

std::optional<ScannedNumber> ScanDecimal(std::string_view text, size_t from, NumberRules rules) {
  size_t i = SkipBlanks(text, from, rules.blanks);
  bool negative = false;
  if (rules.signs && i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) value = std::min(value * 10 + (text[i] - '0'), kNumberSaturation);
  if (rules.wholeText && i != text.size()) return std::nullopt;
  return ScannedNumber{negative ? -value : value, i};
}

}  // namespace tenukiro
