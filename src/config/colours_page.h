#pragma once

#include <array>
#include <functional>
#include <string>

#include "base/color.h"
#include "config/config_preview.h"
#include "config/config_texts.h"
#include "settings/dialog_settings.h"
#include "settings/other_values.h"
#include "settings/profile.h"

namespace tenukiro {

// The look of the board, the stones and the assistant: three switches and twelve
// colours, each chosen with the system's colour chooser and its sixteen custom
// colours, which live in the profile.
class CColoursPage {
 public:
  struct ColourButton {
    SettingId setting;
    ConfigText caption;
  };
  struct ColourGroup {
    ConfigText caption;
    std::array<ColourButton, 6> buttons;
    int count;
  };
  static constexpr std::array<ColourGroup, 4> kGroups = {{
      {ConfigText::ScreenGroup,
       {{{ScreenBackgroundColor, ConfigText::ScreenBackgroundButton}, {ScreenTextColor, ConfigText::ScreenTextButton}}},
       2},
      {ConfigText::GridGroup,
       {{{BackColor, ConfigText::GridBackgroundButton}, {LineColor, ConfigText::GridLinesButton}}},
       2},
      {ConfigText::StonesColourGroup,
       {{{BlackColor, ConfigText::BlackStonesButton}, {WhiteColor, ConfigText::WhiteStonesButton}}},
       2},
      {ConfigText::AssistantGroup,
       {{{AssistantBodyColor, ConfigText::AssistantBodyButton},
         {AssistantOnomatopeiaColor, ConfigText::AssistantOnomatopoeiaButton},
         {AssistantInternColor, ConfigText::AssistantInternButton},
         {AssistantTextColor, ConfigText::AssistantTextButton},
         {AssistantExternColor, ConfigText::AssistantExternButton},
         {AssistantBalloonColor, ConfigText::AssistantBalloonButton}}},
       6},
  }};

  // `patternFilesFound` tells whether any of the pattern bitmaps can be read.
  CColoursPage(ConfigPreview& preview, Profile& profile, std::function<bool()> patternFilesFound)
      : preview_(preview), profile_(profile), patternFilesFound_(std::move(patternFilesFound)) {}

  void Load(const DialogSettings& settings);

  bool With3DEffectChecked() const { return with3D_; }
  bool RandomChecked() const { return random_; }
  bool CustomChecked() const { return custom_; }
  Color ColourOf(SettingId setting) const { return static_cast<Color>(values_.values[setting]); }
  // The twelve colour buttons are usable only while the colours are not random.
  bool ColourButtonsEnabled() const { return !random_; }

  void On3DEffect(bool checked);
  void OnRandom(bool checked);
  // Returns whether the explanation of the pattern files must be shown: the option
  // was turned on and none of the three files can be read. The box stays checked.
  bool OnCustom(bool checked);

  // The chooser's custom colours as the profile keeps them.
  CustomColours CustomColoursForChooser() const { return LoadCustomColours(profile_); }
  // The chooser was confirmed: the colour goes to the page and the preview, and the
  // custom colours (which the user may have edited) back to the profile. A cancelled
  // chooser changes nothing, so the host calls nothing.
  void OnColourChosen(SettingId setting, Color colour, const CustomColours& customColours);

  void Default();
  void Exchange(DialogSettings& settings) const;

 private:
  ConfigPreview& preview_;
  Profile& profile_;
  std::function<bool()> patternFilesFound_;
  bool with3D_ = true;
  bool random_ = false;
  bool custom_ = false;
  DialogSettings values_;
};

// Whether the board, black stone or white stone bitmap can be opened for reading.
bool AnyPatternFileReadable(const Profile& profile, const std::string& programDirectory);

}  // namespace tenukiro
