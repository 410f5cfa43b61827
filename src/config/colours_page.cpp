#include "config/colours_page.h"

#include <fstream>

#include "base/file_path.h"
#include "render/cell_images.h"
#include "settings/setting_table.h"

namespace tenukiro {

void CColoursPage::Load(const DialogSettings& settings) {
  with3D_ = settings.values[With3DEffect] != 0;
  random_ = settings.values[RandomColors] != 0;
  custom_ = settings.values[CustomPatterns] != 0;
  for (const SettingId colour : kColourSettings) values_.values[colour] = settings.values[colour];
}

void CColoursPage::On3DEffect(bool checked) {
  with3D_ = checked;
  preview_.SetSetting(With3DEffect, checked ? 1 : 0);
}

void CColoursPage::OnRandom(bool checked) {
  random_ = checked;
  preview_.SetSetting(RandomColors, checked ? 1 : 0);
}

bool CColoursPage::OnCustom(bool checked) {
  custom_ = checked;
  preview_.SetSetting(CustomPatterns, checked ? 1 : 0);
  return checked && !patternFilesFound_();
}

void CColoursPage::OnColourChosen(SettingId setting, Color colour, const CustomColours& customColours) {
  values_.values[setting] = static_cast<int32_t>(colour);
  preview_.SetSetting(setting, static_cast<int32_t>(colour));
  SaveCustomColours(profile_, customColours);
}

void CColoursPage::Default() {
  random_ = InfoOf(RandomColors).defaultValue != 0;
  custom_ = InfoOf(CustomPatterns).defaultValue != 0;
  with3D_ = InfoOf(With3DEffect).defaultValue != 0;
  preview_.SetSetting(RandomColors, random_ ? 1 : 0);
  preview_.SetSetting(CustomPatterns, custom_ ? 1 : 0);
  preview_.SetSetting(With3DEffect, with3D_ ? 1 : 0);
  for (const SettingId colour : kColourSettings) {
    values_.values[colour] = InfoOf(colour).defaultValue;
    preview_.SetSetting(colour, values_.values[colour]);
  }
}

void CColoursPage::Exchange(DialogSettings& settings) const {
  settings.values[With3DEffect] = with3D_ ? 1 : 0;
  settings.values[RandomColors] = random_ ? 1 : 0;
  settings.values[CustomPatterns] = custom_ ? 1 : 0;
  for (const SettingId colour : kColourSettings) settings.values[colour] = values_.values[colour];
}

bool AnyPatternFileReadable(const Profile& profile, const std::string& programDirectory) {
  const PatternPaths paths = PatternPathsFor(profile, programDirectory);
  for (const std::string* path : {&paths.background, &paths.blackStones, &paths.whiteStones}) {
    if (std::ifstream(FilePath(*path), std::ios::binary).is_open()) return true;
  }
  return false;
}

}  // namespace tenukiro
