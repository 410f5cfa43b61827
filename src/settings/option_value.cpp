#include "settings/option_value.h"

#include <cctype>

namespace tenukiro {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsFormatBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

std::optional<int64_t> ScanLeadingInteger(std::string_view text) {
  constexpr int64_t kSaturation = int64_t{1} << 40;
  size_t i = 0;
  while (i < text.size() && IsFormatBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    if (value < kSaturation) value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
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
