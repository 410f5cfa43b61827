#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/color.h"

namespace tenukiro {

// The settings of the show, in the order they are read and written. Each is
// named everywhere by its profile value name.
enum SettingId : int {
  RandomAccess,
  SgfPriority,
  CommonPositionTime,
  CommentPageTime,
  CommentLineTime,
  FinalPositionTime,
  BeforeSplashDelay,
  SplashDelay,
  AfterSplashDelay,
  StoneRadius,
  GridPosition,
  GridX,
  GridY,
  AssistantCustomHeight,
  AssistantCustomWidth,
  AssistantHeight,
  AssistantWidth,
  With3DEffect,
  RandomColors,
  CustomPatterns,
  ScreenBackgroundColor,
  ScreenTextColor,
  BackColor,
  BlackColor,
  WhiteColor,
  LineColor,
  AssistantBodyColor,
  AssistantInternColor,
  AssistantExternColor,
  AssistantOnomatopeiaColor,
  AssistantTextColor,
  AssistantBalloonColor,
  StoneBrightness,
  MarkOnLastMove,
  MarksAndLabels,
  Numbering,
  AsInBooks,
  Indices,
  Informations,
  Comment,
  Assistant,
  StarPoints,
  Lines,
  AllScreens,
  kSettingCount
};

enum class SettingKind : uint8_t { Integer, Time, Color };

// How a record's OP value spells a setting's new value.
enum class OptionForm : uint8_t { NotAnOption, Boolean, Integer, Time, Color };

struct SettingInfo {
  const char* name;         // profile value name (colours add "Red", "Green", "Blue")
  SettingKind kind;
  int32_t defaultValue;     // times in milliseconds, colours as Rgb
  bool clamped;             // out-of-range profile values are clamped to [low, high]
  int32_t low, high;        // also the accepted range of an Integer option
  const char* optionName;   // name in a record's OP value, or nullptr
  OptionForm optionForm;
};

const SettingInfo& InfoOf(SettingId id);

// The setting whose profile value name or record option name is `name` (case-insensitive
// for option names, as records spell them freely).
std::optional<SettingId> FindSettingByName(std::string_view name);
std::optional<SettingId> FindSettingByOptionName(std::string_view name);

// The twelve colours, in table order.
constexpr std::array<SettingId, 12> kColourSettings = {
    ScreenBackgroundColor, ScreenTextColor, BackColor, BlackColor, WhiteColor, LineColor,
    AssistantBodyColor, AssistantInternColor, AssistantExternColor, AssistantOnomatopeiaColor,
    AssistantTextColor, AssistantBalloonColor};

}  // namespace tenukiro
