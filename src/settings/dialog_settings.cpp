#include "settings/dialog_settings.h"

#include "settings/settings_record.h"

namespace tenukiro {

bool IsDialogSetting(SettingId id) {
  return id != BeforeSplashDelay && id != AfterSplashDelay && id != StoneBrightness;
}

DialogSettings ReadDialogSettings(const Profile& profile) {
  DialogSettings settings;
  settings.files = ReadFileList(profile);
  for (int i = 0; i < kSettingCount; ++i) {
    const auto id = static_cast<SettingId>(i);
    if (IsDialogSetting(id)) settings.values[i] = ReadProfileSetting(profile, id);
  }
  return settings;
}

void WriteDialogSettings(Profile& profile, const DialogSettings& settings) {
  const auto count = static_cast<int32_t>(settings.files.size());
  for (int32_t i = 0; i < count; ++i) profile.WriteText("File" + std::to_string(i), settings.files[i]);
  profile.WriteInt("NumOfFile", count);
  for (int i = 0; i < kSettingCount; ++i) {
    const auto id = static_cast<SettingId>(i);
    if (!IsDialogSetting(id)) continue;
    const SettingInfo& info = InfoOf(id);
    const int32_t value = settings.values[i];
    if (info.kind == SettingKind::Color) {
      const std::string name = info.name;
      const auto colour = static_cast<Color>(value);
      profile.WriteInt(name + "Red", RedOf(colour));
      profile.WriteInt(name + "Green", GreenOf(colour));
      profile.WriteInt(name + "Blue", BlueOf(colour));
    } else {
      profile.WriteInt(info.name, value);
    }
  }
}

}  // namespace tenukiro
