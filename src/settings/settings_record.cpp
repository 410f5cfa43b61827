#include "settings/settings_record.h"

#include <algorithm>

#include "settings/option_value.h"
#include "settings/time_scale.h"

namespace tenukiro {
namespace {

int32_t DefaultProfileValue(const SettingInfo& info) {
  return info.kind == SettingKind::Time ? MsToTimeIndex(info.defaultValue) : info.defaultValue;
}

Color ReadColour(const Profile& profile, const SettingInfo& info) {
  const std::string name = info.name;
  const Color fallback = static_cast<Color>(info.defaultValue);
  const int blue = profile.ReadInt(name + "Blue", BlueOf(fallback));
  const int green = profile.ReadInt(name + "Green", GreenOf(fallback));
  const int red = profile.ReadInt(name + "Red", RedOf(fallback));
  return Rgb(LowByte(red), LowByte(green), LowByte(blue));
}

// Parses the value part of an option for one setting; nothing when it is rejected.
std::optional<int32_t> ParseOptionValue(const SettingInfo& info, std::string_view value) {
  switch (info.optionForm) {
    case OptionForm::Boolean:
      if (!value.empty() && (value[0] == '0' || value[0] == '1')) return value[0] - '0';
      return std::nullopt;
    case OptionForm::Time: {
      const auto v = ScanLeadingInteger(value);
      if (v && *v >= 10 && *v <= 1000000) return static_cast<int32_t>(*v);
      return std::nullopt;
    }
    case OptionForm::Integer: {
      const auto v = ScanLeadingInteger(value);
      if (v && *v >= info.low && *v <= info.high) return static_cast<int32_t>(*v);
      return std::nullopt;
    }
    case OptionForm::Color: {
      const auto colour = ParseHexColour(value);
      if (colour) return static_cast<int32_t>(*colour);
      return std::nullopt;
    }
    case OptionForm::NotAnOption:
      break;
  }
  return std::nullopt;
}

}  // namespace

SettingsRecord::SettingsRecord() {
  for (int i = 0; i < kSettingCount; ++i) {
    registry_[i] = InfoOf(static_cast<SettingId>(i)).defaultValue;
  }
  ResetOverrides();
  SaveEffectiveColours();
}

bool SettingsRecord::SetRegistryValue(SettingId id, int32_t value) {
  registry_[id] = value;
  if (!fromRegistry_[id] || effective_[id] == value) return false;
  effective_[id] = value;
  return true;
}

void SettingsRecord::ResetOverrides() {
  effective_ = registry_;
  fromRegistry_.fill(true);
}

bool SettingsRecord::ApplyOptionString(std::string_view option) {
  const size_t colon = option.find(':');
  if (colon == std::string_view::npos) return false;
  const auto id = FindSettingByOptionName(option.substr(0, colon));
  if (!id) return false;
  fromRegistry_[*id] = false;
  if (const auto value = ParseOptionValue(InfoOf(*id), option.substr(colon + 1))) effective_[*id] = *value;
  return true;
}

void SettingsRecord::ApplyRecordOptions(std::span<const std::string_view> options) {
  ResetOverrides();
  for (std::string_view option : options) ApplyOptionString(option);
  if (!On(SgfPriority)) ResetOverrides();
}

void SettingsRecord::SaveEffectiveColours() {
  for (size_t i = 0; i < kColourSettings.size(); ++i) savedColours_[i] = effective_[kColourSettings[i]];
}

void SettingsRecord::RestoreEffectiveColours() {
  for (size_t i = 0; i < kColourSettings.size(); ++i) effective_[kColourSettings[i]] = savedColours_[i];
}

int32_t ReadProfileSetting(const Profile& profile, SettingId id) {
  const SettingInfo& info = InfoOf(id);
  if (info.kind == SettingKind::Color) return static_cast<int32_t>(ReadColour(profile, info));
  int32_t value = profile.ReadInt(info.name, DefaultProfileValue(info));
  if (info.clamped) value = std::clamp(value, info.low, info.high);
  return value;
}

SettingsRecord ReadShowSettings(const Profile& profile) {
  SettingsRecord record;
  for (int i = 0; i < kSettingCount; ++i) {
    const auto id = static_cast<SettingId>(i);
    const int32_t value = ReadProfileSetting(profile, id);
    record.registry_[i] = InfoOf(id).kind == SettingKind::Time ? TimeIndexToMs(value) : value;
  }
  record.ResetOverrides();
  record.SaveEffectiveColours();
  return record;
}

std::vector<std::string> ReadFileList(const Profile& profile) {
  // A damaged profile may claim billions of files; no real list comes near the cap.
  constexpr int32_t kMaxFiles = 65536;
  const int32_t count = std::clamp(profile.ReadInt("NumOfFile", 0), 0, kMaxFiles);
  std::vector<std::string> files;
  for (int32_t i = 0; i < count; ++i) files.push_back(profile.ReadText("File" + std::to_string(i), ""));
  return files;
}

Color LookupRecordColour(std::span<const std::string_view> options, std::string_view optionName, Color fallback) {
  for (std::string_view option : options) {
    const size_t colon = option.find(':');
    if (colon == std::string_view::npos) continue;
    if (!EqualsIgnoringCase(option.substr(0, colon), optionName)) continue;
    return ParseHexColour(option.substr(colon + 1)).value_or(fallback);
  }
  return fallback;
}

}  // namespace tenukiro
