#include "settings/setting_table.h"

#include "settings/option_value.h"

namespace tenukiro {
namespace {

constexpr SettingInfo kTable[kSettingCount] = {
    {"RandomAccess", SettingKind::Integer, 1, false, 0, 0, nullptr, OptionForm::NotAnOption},
    {"SgfPriority", SettingKind::Integer, 0, false, 0, 0, "SgfPriority", OptionForm::Boolean},
    {"CommonPositionTime", SettingKind::Time, 1000, false, 0, 0, "CommonPositionTime", OptionForm::Time},
    {"CommentPageTime", SettingKind::Time, 1000, false, 0, 0, "CommentPageTime", OptionForm::Time},
    {"CommentLineTime", SettingKind::Time, 1000, false, 0, 0, "CommentLineTime", OptionForm::Time},
    {"FinalPositionTime", SettingKind::Time, 1000, false, 0, 0, "FinalPositionTime", OptionForm::Time},
    {"BeforeSplashDelay", SettingKind::Time, 450, false, 0, 0, nullptr, OptionForm::NotAnOption},
    {"SplashDelay", SettingKind::Time, 1000, false, 0, 0, "SplashDelay", OptionForm::Time},
    {"AfterSplashDelay", SettingKind::Time, 450, false, 0, 0, nullptr, OptionForm::NotAnOption},
    {"StoneRadius", SettingKind::Integer, 12, true, 1, 99, "StoneRadius", OptionForm::Integer},
    {"GridPosition", SettingKind::Integer, 1, true, 0, 2, "GridPosition", OptionForm::Integer},
    {"GridX", SettingKind::Integer, 0, true, -99, 99, "GridX", OptionForm::Integer},
    {"GridY", SettingKind::Integer, 0, true, -99, 99, "GridY", OptionForm::Integer},
    {"AssistantCustomHeight", SettingKind::Integer, 0, false, 0, 0, "AssistantCustomHeight", OptionForm::Boolean},
    {"AssistantCustomWidth", SettingKind::Integer, 0, false, 0, 0, "AssistantCustomWidth", OptionForm::Boolean},
    {"AssistantHeight", SettingKind::Integer, 38, true, 1, 99, "AssistantHeight", OptionForm::Integer},
    {"AssistantWidth", SettingKind::Integer, 19, true, 1, 99, "AssistantWidth", OptionForm::Integer},
    {"With3DEffect", SettingKind::Integer, 1, false, 0, 0, "With3DEffect", OptionForm::Boolean},
    {"RandomColors", SettingKind::Integer, 0, false, 0, 0, "RandomColors", OptionForm::Boolean},
    {"CustomPatterns", SettingKind::Integer, 0, false, 0, 0, "CustomPatterns", OptionForm::Boolean},
    {"ScreenBackgroundColor", SettingKind::Color, Rgb(0, 0, 0), false, 0, 0, "ScreenBackgroundColor", OptionForm::Color},
    {"ScreenTextColor", SettingKind::Color, Rgb(255, 255, 255), false, 0, 0, "ScreenTextColor", OptionForm::Color},
    {"BackColor", SettingKind::Color, Rgb(255, 170, 85), false, 0, 0, "GridBackgroundColor", OptionForm::Color},
    {"BlackColor", SettingKind::Color, Rgb(0, 0, 0), false, 0, 0, "BlackStoneColor", OptionForm::Color},
    {"WhiteColor", SettingKind::Color, Rgb(255, 255, 255), false, 0, 0, "WhiteStoneColor", OptionForm::Color},
    {"LineColor", SettingKind::Color, Rgb(0, 0, 0), false, 0, 0, "GridLineColor", OptionForm::Color},
    {"AssistantBodyColor", SettingKind::Color, Rgb(0, 255, 0), false, 0, 0, "AssistantBodyColor", OptionForm::Color},
    {"AssistantInternColor", SettingKind::Color, Rgb(255, 255, 255), false, 0, 0, "AssistantInternColor", OptionForm::Color},
    {"AssistantExternColor", SettingKind::Color, Rgb(255, 255, 255), false, 0, 0, "AssistantExternColor", OptionForm::Color},
    {"AssistantOnomatopeiaColor", SettingKind::Color, Rgb(255, 255, 255), false, 0, 0, "AssistantOnomatopeiaColor", OptionForm::Color},
    {"AssistantTextColor", SettingKind::Color, Rgb(0, 0, 0), false, 0, 0, "AssistantTextColor", OptionForm::Color},
    {"AssistantBalloonColor", SettingKind::Color, Rgb(255, 255, 255), false, 0, 0, "AssistantBalloonColor", OptionForm::Color},
    {"StoneBrightness", SettingKind::Integer, 10, true, 0, 10000, "StoneBrightness", OptionForm::Integer},
    {"MarkOnLastMove", SettingKind::Integer, 0, false, 0, 0, "MarkOnLastMove", OptionForm::Boolean},
    {"MarksAndLabels", SettingKind::Integer, 0, false, 0, 0, "MarksAndLabels", OptionForm::Boolean},
    {"Numbering", SettingKind::Integer, 0, false, 0, 0, "Numbering", OptionForm::Boolean},
    {"AsInBooks", SettingKind::Integer, 0, false, 0, 0, "AsInBooks", OptionForm::Boolean},
    {"Indices", SettingKind::Integer, 0, false, 0, 0, "Indices", OptionForm::Boolean},
    {"Informations", SettingKind::Integer, 0, false, 0, 0, "Informations", OptionForm::Boolean},
    {"Comment", SettingKind::Integer, 0, false, 0, 0, "Comment", OptionForm::Boolean},
    {"Assistant", SettingKind::Integer, 0, false, 0, 0, "Assistant", OptionForm::Boolean},
    {"StarPoints", SettingKind::Integer, 1, false, 0, 0, "StarPoints", OptionForm::Boolean},
    {"Lines", SettingKind::Integer, 1, false, 0, 0, "Lines", OptionForm::Boolean},
    // A record cannot ask for more monitors: the switch belongs to the user's desk.
    {"AllScreens", SettingKind::Integer, 0, false, 0, 0, nullptr, OptionForm::NotAnOption},
};

}  // namespace

const SettingInfo& InfoOf(SettingId id) { return kTable[id]; }

std::optional<SettingId> FindSettingByName(std::string_view name) {
  for (int i = 0; i < kSettingCount; ++i) {
    if (name == kTable[i].name) return static_cast<SettingId>(i);
  }
  return std::nullopt;
}

std::optional<SettingId> FindSettingByOptionName(std::string_view name) {
  for (int i = 0; i < kSettingCount; ++i) {
    if (kTable[i].optionName && EqualsIgnoringCase(name, kTable[i].optionName)) return static_cast<SettingId>(i);
  }
  return std::nullopt;
}

}  // namespace tenukiro
