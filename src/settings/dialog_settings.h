#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/profile.h"
#include "settings/setting_table.h"

namespace tenukiro {

// The configuration dialog's own copy of the settings it edits, in profile units
// (times as slider indices). It never touches the blank-screen delays or the stone
// brightness, which only the profile itself can change.
struct DialogSettings {
  std::vector<std::string> files;
  std::array<int32_t, kSettingCount> values{};
};

bool IsDialogSetting(SettingId id);

DialogSettings ReadDialogSettings(const Profile& profile);

// What OK writes: the file list (when not empty), NumOfFile (always), then every
// dialog setting in table order, colours as Red, Green, Blue. File entries beyond
// the new count stay in the profile and are ignored.
void WriteDialogSettings(Profile& profile, const DialogSettings& settings);

}  // namespace tenukiro
