#include "config/data_exchange.h"

#include "config/config_texts.h"
#include "settings/profile.h"

namespace tenukiro {
namespace {

std::string ReplaceFirst(std::string text, std::string_view marker, const std::string& value) {
  const size_t at = text.find(marker);
  if (at != std::string::npos) text.replace(at, marker.size(), value);
  return text;
}

}  // namespace

std::optional<int32_t> EditInteger(std::string_view text) {
  // Blanks after the digits are allowed too, as an edit may hold them.
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return ParseProfileInt(text);
}

int32_t TypedInteger(std::string_view text) { return EditInteger(text).value_or(0); }

ExchangedInteger ExchangeInteger(std::string_view text, int32_t low, int32_t high) {
  const std::optional<int32_t> value = EditInteger(text);
  if (!value) return {0, Text(ConfigText::EnterAnInteger)};
  if (*value < low || *value > high) {
    std::string message = ReplaceFirst(Text(ConfigText::EnterAnIntegerBetween), "%1", std::to_string(low));
    return {*value, ReplaceFirst(std::move(message), "%2", std::to_string(high))};
  }
  return {*value, std::nullopt};
}

}  // namespace tenukiro
