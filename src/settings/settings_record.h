#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/profile.h"
#include "settings/setting_table.h"

namespace tenukiro {

// The settings of one show: every setting as read from the profile (times already
// in milliseconds), the effective value used for drawing and timing, and a flag
// that is set while the effective value comes from the profile and cleared when
// the current record's OP property sets it.
class SettingsRecord {
 public:
  SettingsRecord();  // the defaults, as a fresh profile reads

  int32_t Effective(SettingId id) const { return effective_[id]; }
  bool On(SettingId id) const { return effective_[id] != 0; }
  int32_t Registry(SettingId id) const { return registry_[id]; }
  bool FromRegistry(SettingId id) const { return fromRegistry_[id]; }

  void SetEffective(SettingId id, int32_t value) { effective_[id] = value; }

  // A setter of a running show: the profile copy always changes, the effective
  // value only while the record has not set this setting itself. Returns whether
  // the effective value changed.
  bool SetRegistryValue(SettingId id, int32_t value);

  void ResetOverrides();

  // Applies one OP value "Name:value". Returns whether the name was a known option
  // (a known name clears the setting's flag even when its value is rejected).
  bool ApplyOptionString(std::string_view option);

  // Applies the OP values of a game root in order; all of them are dropped again
  // when the record leaves SgfPriority off.
  void ApplyRecordOptions(std::span<const std::string_view> options);

  void SaveEffectiveColours();
  void RestoreEffectiveColours();

 private:
  friend SettingsRecord ReadShowSettings(const Profile& profile);

  std::array<int32_t, kSettingCount> registry_{};
  std::array<int32_t, kSettingCount> effective_{};
  std::array<bool, kSettingCount> fromRegistry_{};
  std::array<Color, kColourSettings.size()> savedColours_{};
};

// Reads every setting in table order, with the defaults and clamps, times converted to ms.
SettingsRecord ReadShowSettings(const Profile& profile);

// The file list: File0 .. File(NumOfFile - 1); a count below 1 gives an empty list.
std::vector<std::string> ReadFileList(const Profile& profile);

// The colour of the first OP value named `optionName` (case-insensitive), or `fallback`
// when none matches or the matching value's colour is malformed.
Color LookupRecordColour(std::span<const std::string_view> options, std::string_view optionName, Color fallback);

// Reads one setting's profile value(s) with its default and clamp, in profile units
// (time settings as slider indices, not milliseconds).
int32_t ReadProfileSetting(const Profile& profile, SettingId id);

}  // namespace tenukiro
