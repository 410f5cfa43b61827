#include "settings/setting_names.h"

#include <array>

#include "settings/setting_table.h"

namespace tenukiro {
namespace {

bool IsDecimalIndex(std::string_view text, int limit) {
  if (text.empty() || text.size() > 5) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value < limit;
}

bool IsColourComponentName(std::string_view name) {
  for (std::string_view component : {"Red", "Green", "Blue"}) {
    if (!name.ends_with(component)) continue;
    const auto id = FindSettingByName(name.substr(0, name.size() - component.size()));
    return id && InfoOf(*id).kind == SettingKind::Color;
  }
  return false;
}

bool IsCustomColourName(std::string_view name) {
  for (std::string_view prefix : {"CustColorRed", "CustColorGreen", "CustColorBlue"}) {
    if (name.starts_with(prefix)) return IsDecimalIndex(name.substr(prefix.size()), 16);
  }
  return false;
}

}  // namespace

bool IsProfileValueName(std::string_view name) {
  static constexpr std::array<std::string_view, 8> kOtherValues = {
      "NumOfFile",  "MouseThreshold",  "PasswordDelay",    "LastPage",
      "InitialDir", "BackgroundImage", "BlackStonesImage", "WhiteStonesImage"};
  for (std::string_view other : kOtherValues) {
    if (name == other) return true;
  }
  if (name.starts_with("File") && IsDecimalIndex(name.substr(4), 100000)) return true;
  if (IsColourComponentName(name) || IsCustomColourName(name)) return true;
  const auto id = FindSettingByName(name);
  return id && InfoOf(*id).kind != SettingKind::Color;
}

}  // namespace tenukiro
