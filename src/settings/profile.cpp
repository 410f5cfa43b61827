#include "settings/profile.h"

#include <limits>

#include "base/number_scan.h"

namespace tenukiro {

std::optional<int32_t> ParseProfileInt(std::string_view text) {
  const std::optional<ScannedNumber> number = ScanDecimal(text, 0, {NumberRules::Blanks::SpacesAndTabs, true});
  if (!number || number->value < std::numeric_limits<int32_t>::min() ||
      number->value > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(number->value);
}

std::optional<int32_t> Profile::ReadInt(std::string_view name) const {
  const auto text = ReadText(name);
  if (!text) return std::nullopt;
  return ParseProfileInt(*text);
}

int32_t Profile::ReadInt(std::string_view name, int32_t fallback) const {
  return ReadInt(name).value_or(fallback);
}

std::string Profile::ReadText(std::string_view name, std::string_view fallback) const {
  auto text = ReadText(name);
  return text ? *text : std::string(fallback);
}

void Profile::WriteInt(std::string_view name, int32_t value) { WriteText(name, std::to_string(value)); }

std::optional<std::string> MemoryProfile::ReadText(std::string_view name) const {
  const auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void MemoryProfile::WriteText(std::string_view name, std::string_view value) {
  values_.insert_or_assign(std::string(name), std::string(value));
}

void OverriddenProfile::Override(std::string_view name, std::string_view value) {
  overrides_.insert_or_assign(std::string(name), std::string(value));
}

std::optional<std::string> OverriddenProfile::ReadText(std::string_view name) const {
  const auto it = overrides_.find(name);
  if (it != overrides_.end()) return it->second;
  return base_.ReadText(name);
}

void OverriddenProfile::WriteText(std::string_view name, std::string_view value) { base_.WriteText(name, value); }

}  // namespace tenukiro
