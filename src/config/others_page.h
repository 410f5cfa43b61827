#pragma once

#include <array>

#include "config/config_preview.h"
#include "config/config_texts.h"
#include "settings/dialog_settings.h"

namespace tenukiro {

// Ten display switches, and whether the saver runs a show on every monitor.
class COthersPage {
 public:
  struct Switch {
    SettingId setting;
    ConfigText caption;
  };
  // In the order the page shows them.
  static constexpr std::array<Switch, 10> kSwitches = {{
      {MarkOnLastMove, ConfigText::MarkOnLastMoveCheck},
      {MarksAndLabels, ConfigText::MarksAndLabelsCheck},
      {Numbering, ConfigText::NumberingCheck},
      {AsInBooks, ConfigText::AsInBooksCheck},
      {Indices, ConfigText::IndicesCheck},
      {Informations, ConfigText::InformationsCheck},
      {Comment, ConfigText::CommentCheck},
      {Assistant, ConfigText::AssistantCheck},
      {StarPoints, ConfigText::StarPointsCheck},
      {Lines, ConfigText::LinesCheck},
  }};

  explicit COthersPage(ConfigPreview& preview) : preview_(preview) {}

  void Load(const DialogSettings& settings);

  bool Checked(int index) const { return checked_[index]; }
  void OnClicked(int index, bool checked);
  // The preview runs in one window whatever the switch says, so it is not told.
  bool AllScreensChecked() const { return allScreens_; }
  void OnAllScreens(bool checked) { allScreens_ = checked; }

  // Only star points and lines stay on; the show goes on the primary monitor alone.
  void Default();
  void Exchange(DialogSettings& settings) const;

 private:
  ConfigPreview& preview_;
  std::array<bool, kSwitches.size()> checked_{};
  bool allScreens_ = false;
};

}  // namespace tenukiro
