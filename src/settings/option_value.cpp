#include "settings/option_value.h"

#include "base/number_scan.h"

namespace tenukiro {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<int64_t> ScanLeadingInteger(std::string_view text) {
  const std::optional<ScannedNumber> number = ScanDecimal(text, 0, {NumberRules::Blanks::All});
  if (!number) return std::nullopt;
  return number->value;
}

std::optional<Color> ParseHexColour(std::string_view text) {
  if (text.size() < 6) return std::nullopt;
  int channel[3];
  for (int c = 0; c < 3; ++c) {
    const int high = HexDigit(text[2 * c]);
    const int low = HexDigit(text[2 * c + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    channel[c] = high * 16 + low;
  }
  return Rgb(channel[0], channel[1], channel[2]);
}

}  // namespace tenukiro
