#include "settings/setting_names.h"

#include <algorithm>
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

ProfileValueKind KindOfProfileValue(std::string_view name) {
  static constexpr std::array<std::string_view, 4> kOtherNumbers = {"NumOfFile", "MouseThreshold", "PasswordDelay",
                                                                    "LastPage"};
  static constexpr std::array<std::string_view, 4> kOtherTexts = {"InitialDir", "BackgroundImage", "BlackStonesImage",
                                                                  "WhiteStonesImage"};
  if (std::find(kOtherNumbers.begin(), kOtherNumbers.end(), name) != kOtherNumbers.end()) {
    return ProfileValueKind::Number;
  }
  if (std::find(kOtherTexts.begin(), kOtherTexts.end(), name) != kOtherTexts.end()) return ProfileValueKind::Text;
  if (name.starts_with("File") && IsDecimalIndex(name.substr(4), 100000)) return ProfileValueKind::Text;
  if (IsColourComponentName(name) || IsCustomColourName(name)) return ProfileValueKind::Number;
  const auto id = FindSettingByName(name);
  return id && InfoOf(*id).kind != SettingKind::Color ? ProfileValueKind::Number : ProfileValueKind::Unknown;
}

bool IsProfileValueName(std::string_view name) { return KindOfProfileValue(name) != ProfileValueKind::Unknown; }

}  // namespace tenukiro
